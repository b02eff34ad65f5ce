// Runs from the command line against the fakes: what each switch changes,
// the exit code, and what the caller reads on the output and the error output.
#include "CommandLineRun.h"
#include "FakeDisplay.h"
#include "FakeSettingsStorage.h"
#include "IconCommandTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

constexpr const char* kSettingsPath = "C:\\ProgramData\\ScrDef.ini";

struct RecordedOutput : CommandOutput {
    std::string output;
    std::string error;
    void WriteOutput(const std::string& text) override { output += text; }
    void WriteError(const std::string& text) override { error += text; }
};

// The icon commands at once, as the desktop worker runs them.
struct DesktopWorkAtOnce : DesktopWork {
    explicit DesktopWorkAtOnce(Desktop& desktop) : desktop(desktop) {}
    bool Run(const std::function<bool(Desktop&)>& command) override { return command(desktop); }
    Desktop& desktop;
};

class CommandLineRunTest : public IconCommandTest {
  protected:
    int run(const Strings& arguments) {
        out = {};
        return RunCommandLine(ParseCommandLine(arguments), targets, out);
    }

    FakeSettingsStorage storage;
    DesktopWorkAtOnce work{icons};
    CommandTargets targets{storage, display, registry, work};
    RecordedOutput out;
};

TEST_F(CommandLineRunTest, RestoreResolutionAppliesTheStoredSizeOrSaysWhyNot) {
    struct Case {
        const char* file; // nullptr: no settings file
        int exitCode;
        ScreenSize after;
        std::string output;
        std::string error;
    };
    const std::string noFile = "/restoreresolution: there is no settings file "
                               "C:\\ProgramData\\ScrDef.ini to restore the resolution from.\r\n";
    const std::string noSize = "/restoreresolution: C:\\ProgramData\\ScrDef.ini holds no "
                               "resolution of at least 640 x 480 to restore.\r\n";
    const Case cases[] = {
        // "Auto" plays no part.
        {"800\r\n600\r\nmanual\r\n", 0, {800, 600}, "Resolution restored: 800 x 600.\r\n", ""},
        {"1280\r\n1024\r\nauto\r\n", 0, {1280, 1024}, "Resolution restored: 1280 x 1024.\r\n", ""},
        // The display has it already: requested again, as the button does.
        {"1024\r\n768\r\n", 0, {1024, 768}, "Resolution restored: 1024 x 768.\r\n", ""},
        {nullptr, 1, {1024, 768}, "", noFile},
        {"", 1, {1024, 768}, "", noSize},
        {"639\r\n1024\r\nauto\r\n", 1, {1024, 768}, "", noSize},
        // A width that is no number ends the reading: no height.
        {"wide\r\n600\r\n", 1, {1024, 768}, "", noSize},
        {"1152\r\n864\r\n",
         1,
         {1024, 768},
         "",
         "/restoreresolution: the display refused 1152 x 864.\r\n"},
        {"-1\r\n-1\r\n",
         1,
         {1024, 768},
         "",
         "/restoreresolution: the display refused 65535 x 65535.\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file != nullptr ? c.file : "no file");
        storage.files.clear();
        if (c.file != nullptr) {
            storage.files[kSettingsPath] = {c.file};
        }
        display.current = {1024, 768};
        EXPECT_EQ(run({"/restoreresolution"}), c.exitCode);
        EXPECT_EQ(display.current.width, c.after.width);
        EXPECT_EQ(display.current.height, c.after.height);
        EXPECT_EQ(out.output, c.output);
        EXPECT_EQ(out.error, c.error);
    }
}

TEST_F(CommandLineRunTest, RestoreResolutionKeepsTheDisplayOfAnotherPrimaryMonitor) {
    storage.files[kSettingsPath] = {"800\r\n600\r\nauto\r\n"};
    registry.keys["Software\\VUD\\Vevove"] = {
        TextValue(u"ResolutionMonitor", u"\\\\?\\DISPLAY#DEL4082#5&2#{e6f07b5f}")};
    EXPECT_EQ(run({"/restoreresolution"}), 1);
    EXPECT_TRUE(display.changes.empty());
    EXPECT_EQ(out.error, "/restoreresolution: the resolution in C:\\ProgramData\\ScrDef.ini "
                         "belongs to a monitor that is not the primary one now.\r\n");
}

// The path goes to the storage as UTF-8, and the message shows it in the
// program's code page (the fake's holds ASCII alone).
TEST_F(CommandLineRunTest, AFolderThatTheCodePageCannotHoldIsShownAsTheCodePageCan) {
    storage.commonDataFolder = "C:\\Daten \xD0\x96";
    EXPECT_EQ(run({"/restoreresolution"}), 1);
    EXPECT_EQ(out.error, "/restoreresolution: there is no settings file C:\\Daten ?\\ScrDef.ini "
                         "to restore the resolution from.\r\n");
}

TEST_F(CommandLineRunTest, AFileWithoutADosDateIsNoSettingsFile) {
    storage.files[kSettingsPath] = {"800\r\n600\r\nauto\r\n", false};
    EXPECT_EQ(run({"/restoreresolution"}), 1);
    EXPECT_TRUE(display.changes.empty());
    EXPECT_NE(out.error.find("there is no settings file"), std::string::npos) << out.error;
}

TEST_F(CommandLineRunTest, IconSwitchesSaveAndRestoreTheDesktopsIcons) {
    desktop.icons = {{u"Papierkorb", 20, 10}, {u"Notizen.txt", 110, 90}};
    EXPECT_EQ(run({"/saveicons"}), 0);
    EXPECT_EQ(savedPositions(), (Strings{"Papierkorb=20,10", "Notizen.txt=110,90"}));
    EXPECT_EQ(out.output, "Icons saved.\r\n");
    desktop.icons[0].x = 500;
    desktop.icons[1].y = 400;
    EXPECT_EQ(run({"-RESTOREICONS"}), 0);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=20,10", "Notizen.txt=110,90"}));
    EXPECT_EQ(out.output, "Icons restored.\r\n");
    EXPECT_EQ(out.error, "");
}

// The undo and the earlier layout say when there is none on this setup.
TEST_F(CommandLineRunTest, UndoAndTheEarlierLayoutRestoreOrSayWhyNot) {
    desktop.icons = {{u"Papierkorb", 20, 10}};
    EXPECT_EQ(run({"/undorestore", "/restoreearlier"}), 1);
    EXPECT_EQ(out.error, "/undorestore: there is no restore to undo on this display setup.\r\n"
                         "/restoreearlier: there is no earlier layout on this display setup.\r\n");
    run({"/saveicons"});
    desktop.icons[0].x = 300;
    clock.now = "2026-12-09 10:00:01";
    run({"/saveicons"});
    desktop.icons[0].x = 700;
    EXPECT_EQ(run({"/restoreearlier"}), 0);
    EXPECT_EQ(iconPositions(), Strings{"Papierkorb=20,10"});
    EXPECT_EQ(run({"/undorestore"}), 0);
    EXPECT_EQ(iconPositions(), Strings{"Papierkorb=700,10"});
    EXPECT_EQ(out.output, "Last restore undone.\r\n");
}

TEST_F(CommandLineRunTest, WithoutADesktopTheIconSwitchesFail) {
    desktop.present = false;
    save(u"Papierkorb", 20, 10);
    for (const char* command : {"/saveicons", "/restoreicons"}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(run({command}), 1);
        EXPECT_EQ(out.output, "");
        EXPECT_EQ(out.error, std::string(command) +
                                 ": the desktop's icons were not found; is the desktop "
                                 "shell running?\r\n");
        EXPECT_EQ(savedPositions(), Strings{"Papierkorb=20,10"});
    }
}

TEST_F(CommandLineRunTest, AnErrorOfTheWindowsErrorBoxFailsTheSwitchWithTheBoxsText) {
    desktop.icons = {{u"Papierkorb", 20, 10}};
    save(u"Alt", 1, 2);
    desktop.failures.FailNext("Read", kErrorAccessDenied);
    EXPECT_EQ(run({"/saveicons"}), 1);
    EXPECT_TRUE(desktop.failures.Fired("Read"));
    EXPECT_EQ(out.error, "/saveicons: Systemfehler.  Code: 5.\r\nZugriff verweigert.\r\n");
    EXPECT_EQ(out.output, "");
    EXPECT_EQ(savedPositions(), Strings{"Alt=1,2"});
}

TEST_F(CommandLineRunTest, AShellThatDoesNotAnswerFailsTheSwitchesWithTheBoxsText) {
    desktop.icons = {{u"Papierkorb", 20, 10}};
    desktop.answering = false;
    EXPECT_EQ(run({"/saveicons", "/restoreicons"}), 1);
    EXPECT_EQ(out.error, "/saveicons: Der Desktop antwortet nicht.\r\n"
                         "/restoreicons: Der Desktop antwortet nicht.\r\n");
    EXPECT_EQ(out.output, "");
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
}

TEST_F(CommandLineRunTest, SwitchesRunInTheirOrderAndAFailureStopsNone) {
    desktop.icons = {{u"Papierkorb", 20, 10}};
    save(u"Papierkorb", 300, 200);
    // No settings file: the resolution fails, the icons are restored, then saved.
    EXPECT_EQ(run({"/restoreresolution", "/restoreicons", "/saveicons"}), 1);
    EXPECT_EQ(iconPositions(), Strings{"Papierkorb=300,200"});
    EXPECT_EQ(savedPositions(), Strings{"Papierkorb=300,200"});
    EXPECT_EQ(out.output, "Icons restored.\r\nIcons saved.\r\n");
    EXPECT_NE(out.error.find("/restoreresolution: there is no settings file"), std::string::npos);

    // Saved first, the desktop's own layout goes to the registry and stays.
    desktop.icons[0].x = 40;
    EXPECT_EQ(run({"/saveicons", "/restoreicons"}), 0);
    EXPECT_EQ(iconPositions(), Strings{"Papierkorb=40,200"});
    EXPECT_EQ(savedPositions(), Strings{"Papierkorb=40,200"});
}

TEST_F(CommandLineRunTest, TheUsageAskedForGoesToTheOutputAWrongArgumentToTheError) {
    desktop.icons = {{u"Papierkorb", 20, 10}};
    EXPECT_EQ(run({"/saveicons", "/?"}), 0);
    EXPECT_EQ(out.output, UsageText());
    EXPECT_EQ(out.error, "");

    EXPECT_EQ(run({"/saveicons", "/saveicon"}), 2);
    EXPECT_EQ(out.output, "");
    EXPECT_EQ(out.error, "Unknown argument \"/saveicon\".\r\n\r\n" + UsageText());
    // Nothing ran.
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);

    EXPECT_EQ(run({"/saveicons", "/Minimized"}), 2);
    EXPECT_EQ(out.error,
              "\"/Minimized\" starts the window and stands alone.\r\n\r\n" + UsageText());
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
}

} // namespace
} // namespace vevove::fake
