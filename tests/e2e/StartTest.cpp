// How the window program starts: minimized, as a shortcut set to run
// minimized or "Start with Windows" starts it, it applies its settings at
// once and shows only its taskbar entry; and a second start hands over to
// the first one and ends, while the command line still runs beside it.
#include "harness/CommandLineRun.h"
#include "harness/IconPositionsKey.h"
#include "harness/Input.h"
#include "harness/MainWindowControls.h"
#include "harness/NotificationArea.h"
#include "harness/ProgramFolder.h"
#include "harness/ProgramWindows.h"
#include "harness/Screen.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"
#include "resource.h"

#include <shellapi.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The items of the icon's menu, counted from its top, separators left out.
constexpr int kMenuOpen = 8;
constexpr int kMenuQuit = 9;

constexpr const char* kPlantingPrograms[] = {"Vevove.exe", "ThemedProgram.exe"};

std::string OverridesKey(const char* program) {
    return std::string("Software\\Wine\\AppDefaults\\") + program + "\\DllOverrides";
}

// The planted UxTheme.dll in the folder of Vevove's copies, beside a program
// that imports UxTheme the usual way, with Wine told to prefer a UxTheme of
// the program's folder for both, as Windows itself would take one found
// there; all gone afterwards.
class PlantedUxTheme {
  public:
    PlantedUxTheme() {
        Copy("PlantedUxTheme.dll", "uxtheme.dll");
        Copy("ThemedProgram.exe", "ThemedProgram.exe");
        for (const char* program : kPlantingPrograms) {
            RegSetKeyValueA(HKEY_CURRENT_USER, OverridesKey(program).c_str(), "uxtheme", REG_SZ,
                            "native,builtin", sizeof "native,builtin");
        }
        ForgetMark();
    }
    ~PlantedUxTheme() {
        for (const char* program : kPlantingPrograms) {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, OverridesKey(program).c_str(), "uxtheme");
        }
        for (const char* file : {"uxtheme.dll", "ThemedProgram.exe", "uxtheme.loaded"}) {
            DeleteFileA((folder_ + file).c_str());
        }
    }
    PlantedUxTheme(const PlantedUxTheme&) = delete;
    PlantedUxTheme& operator=(const PlantedUxTheme&) = delete;

    bool loaded() const { return GetFileAttributesA(mark_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    void ForgetMark() const { DeleteFileA(mark_.c_str()); }

    // Runs the program that imports UxTheme, from the same folder; its exit code.
    DWORD RunThemedProgram() const {
        const std::string path = folder_ + "ThemedProgram.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        std::string commandLine = "\"" + path + "\"";
        if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder_.c_str(), &startup, &info)) {
            throw std::runtime_error("cannot start " + path);
        }
        WaitForSingleObject(info.hProcess, 15000);
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(info.hProcess, &exitCode);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return exitCode;
    }

  private:
    void Copy(const char* built, const char* planted) const {
        const std::string from = FolderOfThisProgram() + built;
        if (!CopyFileA(from.c_str(), (folder_ + planted).c_str(), FALSE)) {
            throw std::runtime_error("cannot copy " + from);
        }
    }

    std::string folder_ = CopyFolder();
    std::string mark_ = folder_ + "uxtheme.loaded";
};

class StartTest : public VevoveTest {
  protected:
    void TearDown() override {
        VevoveTest::TearDown();
        RemoveIconPositionsKey();
    }

    const DesktopScreenSize screen_;
};

struct MinimizedStart {
    const char* name;
    VevoveProcess::Options options;
};

class MinimizedStartTest : public StartTest,
                           public ::testing::WithParamInterface<MinimizedStart> {};

INSTANTIATE_TEST_SUITE_P(
    Starts, MinimizedStartTest,
    ::testing::Values(MinimizedStart{"Shortcut", {SW_SHOWMINNOACTIVE, "", ""}},
                      MinimizedStart{"Switch", {SW_SHOWNORMAL, "", "/minimized"}}),
    [](const ::testing::TestParamInfo<MinimizedStart>& start) { return start.param.name; });

// The stored resolution comes at once; the boxes, loaded then, keep it when
// the window is first shown.
TEST_P(MinimizedStartTest, AppliesTheStoredResolutionAtOnceAndShowsOnlyTheTaskbarEntry) {
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Launch(GetParam().options);
    ASSERT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }, Milliseconds(2500)));
    const std::vector<HWND> mainWindows = TopLevelWindows(vevove().id(), vevove::kMainWindowClass);
    ASSERT_EQ(mainWindows.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(mainWindows.front()));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(ApplicationWindow()); }));

    WriteSettingsFile("1024\r\n768\r\nmanual\r\n");
    RestoreFromTaskbar(ApplicationWindow());
    WaitForMainWindow();
    EXPECT_EQ(Text(controls_.width), "800");
    EXPECT_EQ(Text(controls_.height), "600");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

// The second start finds the first, minimized, and brings its main window
// back to the front; it ends with 0 and never shows a window of its own.
TEST_F(StartTest, ASecondStartBringsTheFirstToTheFrontAndTheCommandLineRunsBeside) {
    const StandinDesktop desktop(StandinDesktop::Options{{{20, 10, "Recycle Bin"}}});
    Start();
    for (const char* arguments : {"", "/minimized"}) {
        SCOPED_TRACE(arguments);
        SystemCommandAndWait(mainWindow_, SC_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(mainWindow_); }));
        const CommandLineRun second = RunVevove(arguments);
        EXPECT_EQ(second.exitCode, std::optional<DWORD>(0));
        EXPECT_EQ(second.windowClasses.count(vevove::kMainWindowClass), 0u);
        EXPECT_FALSE(second.windowVisible);
        EXPECT_TRUE(WaitUntil(
            [&] { return IsWindowVisible(mainWindow_) && GetForegroundWindow() == mainWindow_; }));
        EXPECT_FALSE(IsIconic(ApplicationWindow()));
    }
    const CommandLineRun save = RunVevove("/saveicons");
    EXPECT_EQ(save.exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(save.output, "Icons saved.\r\n");
    EXPECT_EQ(TopLevelWindows(vevove().id(), vevove::kMainWindowClass).size(), 1u);
}

// Started in the background, as "Start with Windows" starts it, only the icon
// in the notification area shows. A click on it shows the window with its
// taskbar entry; closing the window (or Esc) hides both again, "Open Vevove"
// and a second start show them, and only "Quit" ends the program.
TEST_F(StartTest, ABackgroundStartShowsOnlyItsIconAndCloseGoesBackThere) {
    Launch({SW_SHOWNORMAL, "", "/background"});
    ASSERT_TRUE(WaitUntil(NotificationIconShown));
    const std::vector<HWND> mainWindows = TopLevelWindows(vevove().id(), vevove::kMainWindowClass);
    ASSERT_EQ(mainWindows.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(mainWindows.front()));
    EXPECT_FALSE(IsWindowVisible(ApplicationWindow()));

    ClickNotificationIcon();
    WaitForMainWindow();
    EXPECT_TRUE(IsWindowVisible(ApplicationWindow()));

    RequestClose(mainWindow_);
    EXPECT_TRUE(WaitUntil(
        [&] { return !IsWindowVisible(mainWindow_) && !IsWindowVisible(ApplicationWindow()); }));
    EXPECT_EQ(vevove().waitForExit(Milliseconds(0)), std::nullopt);
    EXPECT_TRUE(NotificationIconShown());

    ChooseFromNotificationMenu(vevove().id(), kMenuOpen);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_); }));
    PressKeyAndWaitHandled(mainWindow_, VK_ESCAPE, controls_.saveIcons);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(mainWindow_); }));
    // A second start brings it out of the background too.
    EXPECT_EQ(RunVevove("").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_); }));

    ChooseFromNotificationMenu(vevove().id(), kMenuQuit);
    EXPECT_EQ(vevove().waitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([] { return !NotificationIconShown(); }));
}

// The icon comes with the start, its tip naming the setup and whether a
// layout is saved for it; it comes back when the shell has restarted, and
// goes when the program ends.
TEST_F(StartTest, TheIconComesWithTheStartAndTheShellAndGoesAtTheEnd) {
    const StandinDesktop desktop(StandinDesktop::Options{{{20, 10, "Recycle Bin"}}});
    Start();
    ASSERT_TRUE(WaitUntil(NotificationIconShown));
    EXPECT_EQ(NotificationTip(), "Vevove\n1024 x 768 at 100 %\nNo layout saved");
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(NotificationTip(), "Vevove\n1024 x 768 at 100 %\nLayout saved");

    // Gone with the shell that held it, and there again when it announces
    // itself.
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = mainWindow_;
    icon.uID = IDN_NOTIFICATION_ICON;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([] { return !NotificationIconShown(); }));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil(NotificationIconShown));

    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([] { return !NotificationIconShown(); }));
}

// A portable Vevove run from a folder where a UxTheme.dll was planted (the
// Downloads folder) runs and draws its buttons without loading it, while a
// program that imports UxTheme the usual way loads it from there.
TEST_F(StartTest, AUxThemePlantedBesideTheProgramIsNotLoaded) {
    const PlantedUxTheme planted;
    EXPECT_EQ(planted.RunThemedProgram(), 0u);
    ASSERT_TRUE(planted.loaded()) << "the planted library was not loaded where it should be";
    planted.ForgetMark();

    Start({SW_SHOWNORMAL, "Vevove.exe", ""});
    RedrawWindow(mainWindow_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(planted.loaded());
}

} // namespace
} // namespace e2e
