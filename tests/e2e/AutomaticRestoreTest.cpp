// The options of the main window's system menu: "Start with Windows", the
// Run value that starts Vevove minimized at log-on, and "Restore icons
// automatically", which puts the saved icons back by itself when the display
// returns to the stored resolution and when the desktop shell restarts.
#include "harness/BroadcastCounter.h"
#include "harness/DebugOutput.h"
#include "harness/IconPositionsKey.h"
#include "harness/Input.h"
#include "harness/NotificationArea.h"
#include "harness/ProgramFolder.h"
#include "harness/Screen.h"
#include "harness/ScreenPixels.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace e2e {
namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";
// The menu's last items, counted from its bottom.
constexpr int kRestoreIconsAutomatically = 1;
constexpr int kStartWithWindows = 2;
constexpr int kEarlierLayouts = 3;
constexpr int kUndoLastRestore = 4;
// The items of the notification icon's menu, counted from its top,
// separators left out.
constexpr int kMenuSaveIcons = 1;
constexpr int kMenuRestoreIcons = 2;
constexpr int kMenuRestoreResolution = 3;
constexpr int kMenuUndoLastRestore = 5;
constexpr int kMenuRestoreIconsAutomatically = 7;
// From the event to the icons back, at the most.
constexpr Milliseconds kLongestRestore{10000};

const std::vector<Icon> kIcons = {
    {20, 10, "Recycle Bin"}, {20, 90, "Computer"}, {110, 10, "Notes.txt"}, {110, 90, "Report"}};
const std::vector<Icon> kScrambled = {
    {500, 40, "Recycle Bin"}, {500, 80, "Computer"}, {500, 120, "Notes.txt"}, {500, 160, "Report"}};

std::optional<std::string> StringValue(const char* key, const char* name) {
    char data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(data);
}

std::optional<DWORD> DwordValue(const char* key, const char* name) {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return data;
}

int DarkMarginPixels(HWND menu) {
    const ScreenPixels pixels(menu);
    int dark = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 2; x < 18 && x < pixels.width(); ++x) {
            const COLORREF c = pixels.at(x, y);
            dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200 ? 1 : 0;
        }
    }
    return dark;
}

// The dark pixels of the menu's left margin, where the check marks are
// drawn, once the menu has been painted: two looks a moment apart agree.
int CheckMarkPixels(HWND menu) {
    int last = -1;
    int now = DarkMarginPixels(menu);
    for (int look = 0; look < 20 && now != last; ++look) {
        std::this_thread::sleep_for(Milliseconds(100));
        last = now;
        now = DarkMarginPixels(menu);
    }
    return now;
}

class OptionsTest : public VevoveTest {
  protected:
    void SetUp() override {
        VevoveTest::SetUp();
        Forget();
    }
    void TearDown() override {
        VevoveTest::TearDown();
        desktop_.reset();
        Forget();
    }
    static void Forget() {
        RemoveIconPositionsKey();
        RegDeleteTreeA(HKEY_CURRENT_USER, kOptionsKey);
        HKEY run = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
            RegDeleteValueA(run, "Vevove");
            RegCloseKey(run);
        }
    }

    void StartDesktop(const std::vector<Icon>& icons, bool announce = false) {
        StandinDesktop::Options options{icons};
        options.announce = announce;
        StartDesktop(options);
    }
    void StartDesktop(const StandinDesktop::Options& options) {
        desktop_.reset();
        desktop_.emplace(options);
    }
    // The saved layout of kIcons, the option as asked, the icons scrambled.
    void SaveThenScramble(bool restoreAutomatically) {
        ClickAndWait(controls_.saveIcons);
        ASSERT_EQ(SavedPositions().size(), kIcons.size());
        if (restoreAutomatically) {
            ChooseFromSystemMenu(mainWindow_, kRestoreIconsAutomatically);
            ASSERT_TRUE(WaitUntil(
                [] { return DwordValue(kOptionsKey, "RestoreIconsAutomatically") == 1u; }));
        }
        for (std::size_t item = 0; item < kScrambled.size(); ++item) {
            desktop_->Move(static_cast<int>(item), kScrambled[item].x, kScrambled[item].y);
        }
        ASSERT_EQ(ToString(desktop_->Icons()), ToString(kScrambled));
    }
    // The icons back within the time allowed.
    bool RestoredInTime() const {
        return WaitUntil([&] { return ToString(desktop_->Icons()) == ToString(kIcons); },
                         kLongestRestore);
    }
    void ExpectStillScrambled() const {
        std::this_thread::sleep_for(kLongestRestore);
        EXPECT_EQ(ToString(desktop_->Icons()), ToString(kScrambled));
    }

    const DesktopScreenSize screen_;
    std::optional<StandinDesktop> desktop_;
};

// The Run value comes and goes with the item; the marks are read when the
// menu opens, so a Run value that another program writes shows too.
TEST_F(OptionsTest, TheMenuWritesTheRunValueAndMarksEachOptionWhileItIsOn) {
    Start();
    const int none = CheckMarkPixels(OpenSystemMenu(mainWindow_));
    CloseMenu(mainWindow_);
    ChooseFromSystemMenu(mainWindow_, kStartWithWindows);
    const std::string expected = "\"" + FolderOfThisProgram() + "Vevove.exe\" /background";
    EXPECT_TRUE(WaitUntil([&] { return StringValue(kRunKey, "Vevove") == expected; }))
        << StringValue(kRunKey, "Vevove").value_or("(none)");
    EXPECT_EQ(DwordValue(kOptionsKey, "RestoreIconsAutomatically"), std::nullopt);
    const int one = CheckMarkPixels(OpenSystemMenu(mainWindow_));
    CloseMenu(mainWindow_);
    EXPECT_GT(one, none);

    ChooseFromSystemMenu(mainWindow_, kRestoreIconsAutomatically);
    ASSERT_TRUE(
        WaitUntil([] { return DwordValue(kOptionsKey, "RestoreIconsAutomatically") == 1u; }));
    const int two = CheckMarkPixels(OpenSystemMenu(mainWindow_));
    CloseMenu(mainWindow_);
    EXPECT_GT(two, one);

    ChooseFromSystemMenu(mainWindow_, kStartWithWindows);
    EXPECT_TRUE(WaitUntil([] { return !StringValue(kRunKey, "Vevove"); }));
    const int three = CheckMarkPixels(OpenSystemMenu(mainWindow_));
    CloseMenu(mainWindow_);
    EXPECT_LT(three, two);

    // Another program's value (one written by a Vevove since moved) shows no
    // mark, and choosing the item points it at this one.
    const std::string moved = "\"C:\\Old\\Vevove.exe\" /minimized";
    RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Vevove", REG_SZ, moved.c_str(),
                    static_cast<DWORD>(moved.size() + 1));
    EXPECT_EQ(CheckMarkPixels(OpenSystemMenu(mainWindow_)), three);
    CloseMenu(mainWindow_);
    ChooseFromSystemMenu(mainWindow_, kStartWithWindows);
    EXPECT_TRUE(WaitUntil([&] { return StringValue(kRunKey, "Vevove") == expected; }));
}

// The notification icon's menu runs what the buttons and the system menu
// run, and marks the options that are on.
TEST_F(OptionsTest, TheNotificationMenuRunsWhatTheButtonsAndTheSystemMenuRun) {
    StartDesktop(kIcons);
    Start();
    const DWORD program = vevove().id();
    ChooseFromNotificationMenu(program, kMenuSaveIcons);
    ASSERT_TRUE(WaitUntil([] { return SavedPositions().size() == kIcons.size(); }));
    ASSERT_NO_FATAL_FAILURE(SaveThenScramble(false));
    ChooseFromNotificationMenu(program, kMenuRestoreIcons);
    EXPECT_TRUE(RestoredInTime()) << ToString(desktop_->Icons());
    ChooseFromNotificationMenu(program, kMenuUndoLastRestore);
    EXPECT_TRUE(WaitUntil([&] { return ToString(desktop_->Icons()) == ToString(kScrambled); }))
        << ToString(desktop_->Icons());

    const int none = CheckMarkPixels(OpenNotificationMenu(program));
    CloseNotificationMenu(program);
    ChooseFromNotificationMenu(program, kMenuRestoreIconsAutomatically);
    ASSERT_TRUE(
        WaitUntil([] { return DwordValue(kOptionsKey, "RestoreIconsAutomatically") == 1u; }));
    EXPECT_GT(CheckMarkPixels(OpenNotificationMenu(program)), none);
    CloseNotificationMenu(program);

    SetText(controls_.width, "800");
    SetText(controls_.height, "600");
    ClickAndWait(controls_.saveResolution);
    ASSERT_EQ(ReadSettingsFile(), "800\r\n600\r\nmanual\r\n");
    ChooseFromNotificationMenu(program, kMenuRestoreResolution);
    EXPECT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }));
}

// Each display setup (here: two resolutions) gets its own layout back; a
// restore can be undone, and an earlier layout chosen, through the menu.
TEST_F(OptionsTest, EachSetupKeepsItsLayoutsAndTheMenuUndoesAndGoesBack) {
    const auto iconsAre = [&](const std::vector<Icon>& icons) {
        return WaitUntil([&] { return ToString(desktop_->Icons()) == ToString(icons); });
    };
    StartDesktop(kIcons);
    Start();
    ClickAndWait(controls_.saveIcons);
    SetScreen(800, 600);
    for (std::size_t item = 0; item < kScrambled.size(); ++item) {
        desktop_->Move(static_cast<int>(item), kScrambled[item].x, kScrambled[item].y);
    }
    ClickAndWait(controls_.saveIcons);
    SetScreen(1024, 768);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_TRUE(iconsAre(kIcons)) << ToString(desktop_->Icons());
    SetScreen(800, 600);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_TRUE(iconsAre(kScrambled)) << ToString(desktop_->Icons());
    ChooseFromSystemMenu(mainWindow_, kUndoLastRestore);
    EXPECT_TRUE(iconsAre(kIcons)) << ToString(desktop_->Icons());
    desktop_->Move(0, 300, 300);
    ClickAndWait(controls_.saveIcons);
    ChooseFromSystemSubmenu(mainWindow_, kEarlierLayouts, 0);
    EXPECT_TRUE(iconsAre(kScrambled)) << ToString(desktop_->Icons());
}

// Another program switching to a setup that has a layout brings its icons
// back by themselves; one switching to a setup without one moves nothing,
// though Vevove heard the change and looked.
TEST_F(OptionsTest, ASetupWithALayoutGetsItBackByItself) {
    const DebugOutput debugOutput;
    StartDesktop(kIcons);
    Start();
    ClickAndWait(controls_.saveIcons);
    SetScreen(800, 600);
    SaveThenScramble(true);
    ClickAndWait(controls_.saveIcons);
    for (std::size_t item = 0; item < kIcons.size(); ++item) {
        desktop_->Move(static_cast<int>(item), kIcons[item].x + 5, kIcons[item].y);
    }
    SetScreen(1024, 768);
    EXPECT_TRUE(RestoredInTime()) << ToString(desktop_->Icons());
    const auto restores = [&] {
        const std::string trace = debugOutput.LinesOf(vevove().id());
        std::size_t count = 0;
        for (std::size_t at = trace.find(": restored\n"); at != std::string::npos;
             at = trace.find(": restored\n", at + 1)) {
            ++count;
        }
        return count;
    };
    ASSERT_TRUE(WaitUntil([&] { return restores() == 1; }));
    desktop_->Move(0, 600, 400);
    const std::string moved = ToString(desktop_->Icons());
    SetScreen(640, 480);
    EXPECT_TRUE(WaitUntil([&] { return restores() == 2; }, kLongestRestore))
        << debugOutput.LinesOf(vevove().id());
    EXPECT_EQ(ToString(desktop_->Icons()), moved);
}

// Each case: who brings the display back to the stored 1024 x 768 after a
// game's 800 x 600, and whether the option is on. (The rules of the restore
// itself, and which changes bring the display back, are the unit tests'.)
struct DisplayReturn {
    const char* name;
    bool autoRestore; // Vevove's own "Auto", else the test as another program
    bool option;
};

class DisplayReturnTest : public OptionsTest,
                          public ::testing::WithParamInterface<DisplayReturn> {};

INSTANTIATE_TEST_SUITE_P(
    Returns, DisplayReturnTest,
    ::testing::Values(DisplayReturn{"ByAnotherProgramWithTheOption", false, true},
                      DisplayReturn{"ByAutoWithoutTheOption", true, false}),
    [](const ::testing::TestParamInfo<DisplayReturn>& c) { return c.param.name; });

TEST_P(DisplayReturnTest, IconsComeBackWhenTheDisplayReturnsToTheStoredResolution) {
    WriteSettingsFile(GetParam().autoRestore ? "1024\r\n768\r\nauto\r\n"
                                             : "1024\r\n768\r\nmanual\r\n");
    StartDesktop(kIcons);
    Start();
    SaveThenScramble(GetParam().option);
    SetScreen(800, 600);
    if (GetParam().autoRestore) {
        // The next tick puts it back: Vevove heard the change.
        ASSERT_TRUE(WaitUntil([] { return ScreenIs(1024, 768); }, Milliseconds(7000)));
    } else {
        SetScreen(1024, 768);
    }
    if (!GetParam().option) {
        ExpectStillScrambled();
        return;
    }
    EXPECT_TRUE(RestoredInTime()) << ToString(desktop_->Icons());
}

// The option is read afresh by a new Vevove; a desktop shell that starts and
// announces itself ("TaskbarCreated") with the icons elsewhere gets them
// back, and so do icons of the layout that it shows only later. The option's
// value lies outside the layout's key. What Vevove did by itself, it says on
// the debug output.
TEST_F(OptionsTest, IconsComeBackWhenTheShellRestartsAndTheOptionOutlivesVevove) {
    const std::vector<Icon> late = {{200, 10, "Late.txt"}, {200, 90, "Later.lnk"}};
    std::vector<Icon> all = kIcons;
    all.insert(all.end(), late.begin(), late.end());
    StartDesktop(all);
    Start();
    ClickAndWait(controls_.saveIcons);
    ChooseFromSystemMenu(mainWindow_, kRestoreIconsAutomatically);
    ASSERT_TRUE(
        WaitUntil([] { return DwordValue(kOptionsKey, "RestoreIconsAutomatically") == 1u; }));
    const DebugOutput debugOutput;
    Start();
    EXPECT_EQ(SavedPositions().size(), all.size());
    StandinDesktop::Options restarted{kScrambled};
    restarted.announce = true;
    restarted.lateIcons = {{500, 200, "Late.txt"}, {500, 240, "Later.lnk"}};
    // Well after the first restore, which comes two looks a second apart
    // after the announcement, and within the half minute of looks after it.
    restarted.lateAfterMs = 8000;
    StartDesktop(restarted);
    EXPECT_TRUE(WaitUntil([&] { return ToString(desktop_->Icons()) == ToString(all); },
                          Milliseconds(25000)))
        << ToString(desktop_->Icons());
    const std::string trace = debugOutput.LinesOf(vevove().id());
    EXPECT_NE(trace.find("Vevove: automatic restore at 0.0 s: the desktop was rebuilt"),
              std::string::npos)
        << trace;
    EXPECT_NE(trace.find(": restored\n"), std::string::npos) << trace;
    EXPECT_NE(trace.find(": icons came late: placing them\n"), std::string::npos) << trace;
}

// A command of the user's that comes while Vevove looks at the desktop by
// itself waits for the look and then runs: the key holds the layout as it was
// when the user saved it.
TEST_F(OptionsTest, SaveIconsDuringAnAutomaticLookSavesTheNewLayout) {
    StartDesktop(kIcons);
    Start();
    SaveThenScramble(true);
    StandinDesktop::Options slow{kIcons};
    slow.announce = true;
    slow.folderView = true;
    slow.callDelayMs = 150;
    StartDesktop(slow);
    // The desktop is open: a look is under way, a call at a time.
    ASSERT_TRUE(WaitUntil([&] { return desktop_->LiveComObjects() > 0; }));
    desktop_->Move(0, 300, 300);
    ClickAndWait(controls_.saveIcons);
    const std::vector<std::string> saved = SavedPositions();
    EXPECT_NE(std::find(saved.begin(), saved.end(), "Recycle Bin=300,300"), saved.end());
}

TEST_F(OptionsTest, WithoutTheOptionAShellRestartMovesNothing) {
    StartDesktop(kIcons);
    Start();
    SaveThenScramble(false);
    BroadcastCounter announcements(RegisterWindowMessageA("TaskbarCreated"));
    StartDesktop(kScrambled, true);
    ASSERT_TRUE(announcements.PumpUntil([&] { return announcements.count() > 0; }, kTimeout));
    ExpectStillScrambled();
}

} // namespace
} // namespace e2e
