// Loading the settings file: where it is looked for, what keeps it from
// loading, and what each of its lines does to the boxes and the stored size.
#include "LoadSettings.h"
#include "ResolutionFixture.h"

#include <cstdint>
#include <string>

namespace vevove::fake {
namespace {

class LoadSettingsTest : public ResolutionFixture {
  protected:
    // The boxes and the stored size start out set, so that a change shows.
    LoadSettingsTest() { setStart(); }
    void setStart() {
        boxes.width = "640";
        boxes.height = "480";
        boxes.autoChecked = false;
        state.savedWidth = 800;
        state.savedHeight = 600;
    }

    void load(const std::string& bytes) {
        addSettingsFile(bytes);
        setStart();
        LoadSettings(resolution);
    }

    // The boxes and the stored size after a load.
    void expectShown(const std::string& width, const std::string& height, bool autoChecked,
                     int savedWidth, int savedHeight) {
        EXPECT_EQ(boxes.width, width);
        EXPECT_EQ(boxes.height, height);
        EXPECT_EQ(boxes.autoChecked, autoChecked);
        EXPECT_EQ(state.savedWidth, savedWidth);
        EXPECT_EQ(state.savedHeight, savedHeight);
    }
    void expectNothingApplied() { expectShown("640", "480", false, 800, 600); }
};

TEST_F(LoadSettingsTest, AppliesAllThreeLines) {
    load("1280\r\n1024\r\nauto\r\n");
    EXPECT_EQ(state.settingsPath, kSettingsPath);
    expectShown("1280", "1024", true, 1280, 1024);
}

TEST_F(LoadSettingsTest, BuildsThePathFromTheDataFolderAtEveryRun) {
    // Without a folder the file is looked for in the root of the current drive.
    for (const std::string folder : {"C:\\ProgramData", "E:\\Shared Data", "E:", ""}) {
        SCOPED_TRACE(folder);
        storage.commonDataFolder = folder;
        storage.files[folder + "\\ScrDef.ini"] = {"1280\r\n1024\r\n"};
        setStart();
        LoadSettings(resolution);
        EXPECT_EQ(state.settingsPath, folder + "\\ScrDef.ini");
        EXPECT_EQ(state.savedWidth, 1280);
        storage.files.clear();
    }
}

TEST_F(LoadSettingsTest, AFileThatCannotBeLoadedChangesNothing) {
    enum class Hindrance { NoFile, Folder, DateWithoutDosDate, ReadFails, TooLargeToHold };
    for (const Hindrance hindrance :
         {Hindrance::NoFile, Hindrance::Folder, Hindrance::DateWithoutDosDate, Hindrance::ReadFails,
          Hindrance::TooLargeToHold}) {
        SCOPED_TRACE(static_cast<int>(hindrance));
        storage.files.clear();
        storage.folders.clear();
        storage.failures.Clear();
        const std::string bytes = "1280\r\n1024\r\nauto\r\n";
        switch (hindrance) {
        case Hindrance::NoFile:
            break;
        case Hindrance::Folder:
            storage.folders.insert(kSettingsPath);
            break;
        case Hindrance::DateWithoutDosDate:
            storage.files[kSettingsPath] = {bytes, false};
            break;
        case Hindrance::ReadFails:
            storage.files[kSettingsPath] = {bytes};
            storage.failures.FailNext("ReadAll", kErrorAccessDenied);
            break;
        case Hindrance::TooLargeToHold:
            storage.files[kSettingsPath] = {bytes, true, true};
            break;
        }
        setStart();
        EXPECT_NO_THROW(LoadSettings(resolution));
        expectNothingApplied();
        EXPECT_EQ(state.settingsPath, kSettingsPath);
        EXPECT_EQ(storage.failures.Fired("ReadAll"), hindrance == Hindrance::ReadFails);
    }
}

TEST_F(LoadSettingsTest, ReadsLargeFilesToTheEnd) {
    // Line 1 is blank and longer than any single read.
    load(std::string(std::size_t{300} * 1024, ' ') + "\r\n1024\r\nauto\r\n");
    EXPECT_EQ(state.savedHeight, 1024);
    EXPECT_TRUE(boxes.autoChecked);
}

TEST_F(LoadSettingsTest, OnlyExactlyAutoChecksTheBox) {
    for (const char* line : {"Auto", "AUTO", " auto", "auto ", "auto\t", "autos", "aut", ""}) {
        SCOPED_TRACE(line);
        load(std::string("1280\r\n1024\r\n") + line + "\r\n");
        EXPECT_FALSE(boxes.autoChecked);
    }
    load("1280\r\n1024\r\nauto");
    EXPECT_TRUE(boxes.autoChecked);
}

TEST_F(LoadSettingsTest, NeverUnchecksAuto) {
    addSettingsFile("1280\r\n1024\r\nmanual\r\n");
    boxes.autoChecked = true;
    LoadSettings(resolution);
    EXPECT_TRUE(boxes.autoChecked);
}

TEST_F(LoadSettingsTest, ALineWithoutAVisibleByteLeavesItsBoxAndValue) {
    for (const std::string line : {"", " ", " \t ", "\x01\x1F"}) {
        SCOPED_TRACE("line 1 \"" + line + "\"");
        load(line + "\r\n1024\r\n");
        EXPECT_EQ(boxes.width, "640");
        EXPECT_EQ(state.savedWidth, 800);
        EXPECT_EQ(state.savedHeight, 1024); // line 2 still goes on
    }
}

TEST_F(LoadSettingsTest, ShowsTheLineAsReadAndUsesItsNumber) {
    load(" 1280\r\n  $300\r\n");
    expectShown(" 1280", "  $300", false, 1280, 768);
}

TEST_F(LoadSettingsTest, KeepsTheLow16BitsOfTheNumber) {
    struct Case {
        const char* line;
        std::uint16_t saved;
    };
    const Case cases[] = {
        {"70000", 4464},      {"-1", 65535}, {"66816", 1280},    {"-$10", 65520},
        {"$FFFFFFFF", 65535}, {"$10000", 0}, {"-2147483648", 0}, {"2147483647", 65535},
        {"65535", 65535},     {"65536", 0},  {"0x500", 1280},    {"0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        load(std::string(c.line) + "\r\n" + c.line + "\r\n");
        EXPECT_EQ(state.savedWidth, c.saved);
        EXPECT_EQ(state.savedHeight, c.saved);
    }
}

TEST_F(LoadSettingsTest, ABrokenLine1StopsBeforeLine2) {
    for (const char* line : {"1280 ", "1280\t", "2147483648", "$", "12a"}) {
        SCOPED_TRACE(line);
        load(std::string(line) + "\r\n1024\r\nauto\r\n");
        expectShown(line, "480", true, 800, 600);
    }
}

TEST_F(LoadSettingsTest, ABrokenLine2KeepsWhatLine1Did) {
    load("1280\r\n1024x\r\nauto\r\n");
    expectShown("1280", "1024x", true, 1280, 600);
}

TEST_F(LoadSettingsTest, AOneLineFileSetsOnlyTheWidth) {
    load("1024");
    expectShown("1024", "480", false, 1024, 600);
}

TEST_F(LoadSettingsTest, AFileSavedFromEmptyBoxesChangesNothing) {
    load("\r\n\r\nmanual\r\n");
    expectNothingApplied();
}

TEST_F(LoadSettingsTest, LinesAreCutBeforeTheyAreRead) {
    // 4,096 blanks survive the cut, the digits after them do not.
    load(std::string(4096, ' ') + "1280\r\n1024\r\n");
    EXPECT_EQ(boxes.width, "640");
    EXPECT_EQ(state.savedHeight, 1024);

    load(std::string(4092, ' ') + "1280\r\n1024\r\n");
    EXPECT_EQ(state.savedWidth, 1280);
}

} // namespace
} // namespace vevove::fake
