// The frame of the end-to-end tests: no settings file (nor a monitor recorded
// for it) before or after a test,
// Vevove started and its main window found, and nothing left running after it.
#pragma once

#include "harness/MainWindowControls.h"
#include "harness/VevoveProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

namespace e2e {

class VevoveTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Vevove without waiting for anything.
    void Launch(const VevoveProcess::Options& options = {});
    // Waits for the main window to show and finds its controls; throws when
    // it does not show in time.
    void WaitForMainWindow();
    // Both of the above.
    void Start(const VevoveProcess::Options& options = {});

    // The hidden application window that owns the taskbar entry; throws
    // unless there is exactly one.
    HWND ApplicationWindow() const;

    VevoveProcess& vevove() { return *vevove_; }

    HWND mainWindow_ = nullptr;
    MainWindowControls controls_{};

  private:
    std::optional<VevoveProcess> vevove_;
};

} // namespace e2e
