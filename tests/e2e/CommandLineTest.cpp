// Vevove.exe run with switches, as a script or the Task Scheduler runs it:
// what each switch changes (the registry, the icons, the display mode), the
// exit code, what it writes to the standard output and error, and that no
// window of it ever shows, also while a Vevove window is open.
#include "harness/CommandLineRun.h"
#include "harness/ErrorBox.h"
#include "harness/IconPositionsKey.h"
#include "harness/ProgramDensity.h"
#include "harness/ProgramWindows.h"
#include "harness/Screen.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include "StandinCommands.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

const std::optional<DWORD> kDone = 0;
const std::optional<DWORD> kFailed = 1;
const std::optional<DWORD> kWrongArgument = 2;

const std::vector<Icon> kIcons = {
    {20, 10, "Recycle Bin"}, {20, 90, "Computer"}, {110, 10, "Caf\xE9"}};
const Strings kIconsSaved = {"Caf\xE9=110,10", "Computer=20,90", "Recycle Bin=20,10"};

// Whatever else a run did, it never showed a window nor made one.
void ExpectNoWindow(const CommandLineRun& run) {
    EXPECT_FALSE(run.windowVisible);
    EXPECT_TRUE(run.windowClasses.empty()) << *run.windowClasses.begin();
}

class CommandLineTest : public VevoveTest {
  protected:
    void SetUp() override {
        VevoveTest::SetUp();
        RemoveIconPositionsKey();
    }
    void TearDown() override {
        VevoveTest::TearDown();
        desktop_.reset();
        RemoveIconPositionsKey();
    }

    void StartDesktop() { desktop_.emplace(StandinDesktop::Options{kIcons, false, false}); }

    const DesktopScreenSize screen_;
    std::optional<StandinDesktop> desktop_;
};

TEST_F(CommandLineTest, IconSwitchesSaveTheIconsAndPutThemBack) {
    StartDesktop();
    CommandLineRun run = RunVevove("/saveicons");
    EXPECT_EQ(run.exitCode, kDone);
    EXPECT_EQ(run.output, "Icons saved.\r\n");
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(SavedPositions(), kIconsSaved);
    ExpectNoWindow(run);

    desktop_->Move(0, 400, 300);
    desktop_->Move(2, 500, 380);
    run = RunVevove("-RestoreIcons");
    EXPECT_EQ(run.exitCode, kDone);
    EXPECT_EQ(run.output, "Icons restored.\r\n");
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    ExpectNoWindow(run);
}

// Each display setup (here: two resolutions, and the first at another
// scaling) gets its own layout back, and the layout key holds the last one
// saved.
TEST_F(CommandLineTest, EachSetupRestoresItsOwnLayout) {
    const DesktopScreenSize screen;
    StartDesktop();
    EXPECT_EQ(RunVevove("/saveicons").exitCode, kDone);
    SetScreen(800, 600);
    desktop_->Move(0, 400, 300);
    EXPECT_EQ(RunVevove("/saveicons").exitCode, kDone);
    EXPECT_EQ(SavedPositions(),
              (Strings{"Caf\xE9=110,10", "Computer=20,90", "Recycle Bin=400,300"}));
    SetScreen(1024, 768);
    EXPECT_EQ(RunVevove("/restoreicons").exitCode, kDone);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    SetScreen(800, 600);
    EXPECT_EQ(RunVevove("/restoreicons").exitCode, kDone);
    EXPECT_EQ(desktop_->Icons()[0].x, 400);

    SetScreen(1024, 768);
    desktop_->Move(1, 300, 200);
    {
        const ProgramDensity scaled(kHighDensity);
        EXPECT_EQ(RunVevove("/saveicons").exitCode, kDone);
    }
    EXPECT_EQ(RunVevove("/restoreicons").exitCode, kDone);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    const ProgramDensity scaled(kHighDensity);
    EXPECT_EQ(RunVevove("/restoreicons").exitCode, kDone);
    EXPECT_EQ(desktop_->Icons()[1].x, 300);
    EXPECT_EQ(desktop_->Icons()[1].y, 200);
}

TEST_F(CommandLineTest, RestoreResolutionSwitchesToTheStoredModeWhateverAutoSays) {
    WriteSettingsFile("800\r\n600\r\nmanual\r\n");
    const CommandLineRun run = RunVevove("/RESTORERESOLUTION");
    EXPECT_EQ(run.exitCode, kDone);
    EXPECT_EQ(run.output, "Resolution restored: 800 x 600.\r\n");
    EXPECT_EQ(run.error, "");
    EXPECT_TRUE(ScreenIs(800, 600));
    ExpectNoWindow(run);
    // The command line only reads the file.
    EXPECT_EQ(ReadSettingsFile(), "800\r\n600\r\nmanual\r\n");
}

// What only the real system refuses: a mode the display does not have, and
// icons without a desktop shell. The rules of every other refusal are the
// unit tests'.
TEST_F(CommandLineTest, WhatTheSystemRefusesGivesExitCode1AndSaysWhy) {
    struct Case {
        const char* settingsFile; // nullptr: none
        const char* arguments;
        std::string error;
    };
    const Case cases[] = {
        {"-1\r\n-1\r\nauto\r\n", "/restoreresolution",
         "/restoreresolution: the display refused 65535 x 65535.\r\n"},
        // No desktop shell runs.
        {nullptr, "/restoreicons",
         "/restoreicons: the desktop's icons were not found; is the "
         "desktop shell "
         "running?\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        RemoveSettingsFile();
        if (c.settingsFile != nullptr) {
            WriteSettingsFile(c.settingsFile);
        }
        const CommandLineRun run = RunVevove(c.arguments);
        EXPECT_EQ(run.exitCode, kFailed);
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.error, c.error);
        EXPECT_TRUE(ScreenIs(1024, 768));
        EXPECT_FALSE(IconPositionsKeyExists());
        ExpectNoWindow(run);
    }
}

TEST_F(CommandLineTest, ADesktopThatDoesNotAnswerFailsWithTheErrorBoxsText) {
    StartDesktop();
    WriteIconPosition("Computer", 300, 200);
    PostMessageA(GetAncestor(desktop_->listView(), GA_ROOT), kStandinHang, 12000, 0);
    const CommandLineRun run = RunVevove("/restoreicons", {true, Milliseconds(30000)});
    EXPECT_EQ(run.exitCode, kFailed);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.error, "/restoreicons: Der Desktop antwortet nicht.\r\n");
    ExpectNoWindow(run);
}

TEST_F(CommandLineTest, AWrongArgumentGivesExitCode2AndTheUsageAndRunsNothing) {
    StartDesktop();
    for (const char* arguments : {"/saveicons icons.txt"}) {
        SCOPED_TRACE(arguments);
        const CommandLineRun run = RunVevove(arguments);
        EXPECT_EQ(run.exitCode, kWrongArgument);
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.error.rfind("Unknown argument \"", 0), 0u) << run.error;
        EXPECT_NE(run.error.find("\r\nUsage: Vevove.exe [/saveicons] [/restoreicons]"),
                  std::string::npos)
            << run.error;
        EXPECT_FALSE(IconPositionsKeyExists());
        ExpectNoWindow(run);
    }
}

TEST_F(CommandLineTest, TheUsageAskedForGoesToTheStandardOutput) {
    for (const char* arguments : {"/saveicons /?"}) {
        SCOPED_TRACE(arguments);
        const CommandLineRun run = RunVevove(arguments);
        EXPECT_EQ(run.exitCode, kDone);
        EXPECT_EQ(run.output.rfind("Usage: Vevove.exe [/saveicons] [/restoreicons] [/undorestore] "
                                   "[/restoreearlier]\r\n",
                                   0),
                  0u)
            << run.output;
        EXPECT_EQ(run.error, "");
        ExpectNoWindow(run);
    }
}

// As the Task Scheduler starts it: no handles and no console to write to.
TEST_F(CommandLineTest, WithoutStandardHandlesItRunsAndEndsAllTheSame) {
    StartDesktop();
    // No settings file: the resolution fails, with nowhere to say so.
    const CommandLineRun run = RunVevove("/saveicons /restoreresolution", {false});
    EXPECT_EQ(run.exitCode, kFailed);
    EXPECT_EQ(SavedPositions(), kIconsSaved);
    ExpectNoWindow(run);
}

TEST_F(CommandLineTest, ARunWhileAVevoveWindowIsOpenDisturbsNeither) {
    StartDesktop();
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Start();
    ASSERT_TRUE(ScreenIs(800, 600));
    SetScreen(1024, 768);
    // The window's check restores at its next tick; the command line does now.
    const CommandLineRun run = RunVevove("/restoreresolution /saveicons /restoreicons");
    EXPECT_EQ(run.exitCode, kDone);
    EXPECT_EQ(run.error, "");
    EXPECT_TRUE(ScreenIs(800, 600));
    EXPECT_EQ(SavedPositions(), kIconsSaved);
    ExpectNoWindow(run);

    // The window works on: its own save and restore, and no error box.
    desktop_->Move(0, 600, 400);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), kIconsSaved);
    EXPECT_EQ(WaitForMessageBox(vevove().id(), Milliseconds(300)), nullptr);
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
    EXPECT_EQ(Text(controls_.width), "800");
    // Nor did the command line leave a second window of the program.
    EXPECT_EQ(TopLevelWindows(vevove().id(), "TForm1").size(), 1u);
}

} // namespace
} // namespace e2e
