#include "harness/VevoveTest.h"

#include "harness/ProgramWindows.h"
#include "harness/SettingsFile.h"

#include "WindowClasses.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

void VevoveTest::SetUp() {
    RemoveSettingsFile();
    ForgetResolutionMonitor();
}

void VevoveTest::TearDown() {
    vevove_.reset();
    RemoveSettingsFile();
    ForgetResolutionMonitor();
}

void VevoveTest::Launch(const VevoveProcess::Options& options) {
    vevove_.emplace(options);
}

void VevoveTest::WaitForMainWindow() {
    mainWindow_ = WaitForVisibleWindow(vevove_->id(), vevove::kMainWindowClass);
    if (!mainWindow_) {
        throw std::runtime_error(std::string("the main window (class ") + vevove::kMainWindowClass +
                                 ") did not show");
    }
    controls_ = FindControls(mainWindow_);
}

void VevoveTest::Start(const VevoveProcess::Options& options) {
    Launch(options);
    WaitForMainWindow();
}

HWND VevoveTest::ApplicationWindow() const {
    const std::vector<HWND> windows = TopLevelWindows(vevove_->id(), vevove::kApplicationClass);
    if (windows.size() != 1) {
        throw std::runtime_error("Vevove has " + std::to_string(windows.size()) +
                                 " application windows (class " + vevove::kApplicationClass + ")");
    }
    return windows.front();
}

} // namespace e2e
