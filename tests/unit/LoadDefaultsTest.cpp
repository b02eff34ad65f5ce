#include "tests/unit/MainWindowTest.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

class LoadDefaultsTest : public MainWindowTest {
  protected:
    // Loads `bytes` as the settings file; the saved values start at 800 x 600
    // so that a change to them shows.
    void load(const std::string& bytes) {
        os.files.addFile(kSettingsPath, bytes);
        loadAgain();
    }
    void loadAgain() {
        form.SavedWidth = 800;
        form.SavedHeight = 600;
        form.LoadDefaults();
    }

    // Nothing of the file reached the window.
    void expectNothingApplied() {
        EXPECT_EQ(os.windows.textsSet(form.Edit1), std::vector<std::string>{});
        EXPECT_EQ(os.windows.textsSet(form.Edit2), std::vector<std::string>{});
        EXPECT_EQ(os.windows.checksSet(form.CheckBox1), std::vector<bool>{});
        EXPECT_EQ(form.SavedWidth, 800);
        EXPECT_EQ(form.SavedHeight, 600);
    }
};

TEST_F(LoadDefaultsTest, AppliesAllThreeLines) {
    load("1280\r\n1024\r\nauto\r\n");
    EXPECT_EQ(form.SettingsPath, kSettingsPath);
    EXPECT_EQ(edit1(), "1280");
    EXPECT_EQ(edit2(), "1024");
    EXPECT_TRUE(autoChecked());
    EXPECT_EQ(form.SavedWidth, 1280);
    EXPECT_EQ(form.SavedHeight, 1024);
}

TEST_F(LoadDefaultsTest, BuildsThePathFromTheSpecialFolderAtEveryRun) {
    form.LoadDefaults();
    EXPECT_EQ(form.SettingsPath, "C:\\ProgramData\\ScrDef.ini");

    os.shell.setPath(35, "E:\\Shared Data\\");
    form.LoadDefaults();
    EXPECT_EQ(form.SettingsPath, "E:\\Shared Data\\ScrDef.ini");

    os.shell.setPath(35, "E:\\");
    form.LoadDefaults();
    EXPECT_EQ(form.SettingsPath, "E:\\ScrDef.ini");
}

TEST_F(LoadDefaultsTest, WithoutTheFolderReadsTheFileInTheCurrentDriveRoot) {
    os.shell.setLocationError(35, kHresultFail);
    os.files.currentFolder = "D:\\Work\\Vevove";
    os.files.addFile("D:\\ScrDef.ini", "1280\r\n1024\r\n");
    form.LoadDefaults();
    EXPECT_EQ(form.SettingsPath, "\\ScrDef.ini");
    EXPECT_EQ(form.SavedWidth, 1280);
    EXPECT_EQ(form.SavedHeight, 1024);
}

TEST_F(LoadDefaultsTest, NoFileChangesNothing) {
    form.SavedWidth = 800;
    form.SavedHeight = 600;
    form.LoadDefaults();
    expectNothingApplied();
    EXPECT_EQ(os.calls.count("CreateFileA"), 0);
}

TEST_F(LoadDefaultsTest, AFolderOfThatNameCountsAsNoFile) {
    os.files.addFolder(kSettingsPath);
    form.SavedWidth = 800;
    form.SavedHeight = 600;
    form.LoadDefaults();
    expectNothingApplied();
    EXPECT_EQ(os.calls.count("CreateFileA"), 0);
}

TEST_F(LoadDefaultsTest, AFileDatedOutsideTheDosYearsCountsAsNoFile) {
    struct Case {
        FileTime lastWrite;
        std::int64_t localOffset;
        bool loaded;
    };
    const Case cases[] = {
        {MakeFileTime(1979, 12, 31, 23, 59, 59), 0, false},
        {MakeFileTime(1980, 1, 1), 0, true},
        {MakeFileTime(2107, 12, 31, 23, 59, 59), 0, true},
        {MakeFileTime(2108, 1, 1), 0, false},
        {0, 0, false},
        {0xFFFFFFFFFFFFFFFFu, 0, false},
        // It is the local time that has to fit.
        {MakeFileTime(1979, 12, 31, 23), kTicksPerHour, true},
        {MakeFileTime(1980, 1, 1, 0, 30), -kTicksPerHour, false},
        {MakeFileTime(2107, 12, 31, 23), kTicksPerHour, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("last write " + std::to_string(c.lastWrite) + ", offset " +
                     std::to_string(c.localOffset));
        os.clock.localOffset = c.localOffset;
        os.files.addFile(kSettingsPath, "1280\r\n", c.lastWrite);
        form.SavedWidth = 0;
        form.LoadDefaults();
        EXPECT_EQ(form.SavedWidth, c.loaded ? 1280 : 0);
    }
}

TEST_F(LoadDefaultsTest, AFailedTimeConversionCountsAsNoFile) {
    for (const char* call : {"FileTimeToLocalFileTime", "FileTimeToDosDateTime"}) {
        SCOPED_TRACE(call);
        os.calls.failNext(call, kErrorInvalidParameter);
        load("1280\r\n1024\r\nauto\r\n");
        expectNothingApplied();
    }
}

TEST_F(LoadDefaultsTest, AFileThatCannotBeReadChangesNothing) {
    os.files.addFile(kSettingsPath, "1280\r\n1024\r\nauto\r\n");

    // Another process writes it, or holds it for itself alone.
    os.files.openElsewhere(kSettingsPath, kGenericWrite, kFileShareRead | kFileShareWrite);
    loadAgain();
    expectNothingApplied();
    os.files.closeElsewhere(kSettingsPath);

    os.files.openElsewhere(kSettingsPath, kGenericRead, 0);
    loadAgain();
    expectNothingApplied();
    os.files.closeElsewhere(kSettingsPath);

    os.calls.failNext("CreateFileA", kErrorAccessDenied);
    loadAgain();
    expectNothingApplied();

    os.calls.failNext("ReadFile", kErrorAccessDenied);
    loadAgain();
    expectNothingApplied();
}

TEST_F(LoadDefaultsTest, OtherReadersDoNotKeepItFromLoading) {
    os.files.addFile(kSettingsPath, "1280\r\n");
    os.files.openElsewhere(kSettingsPath, kGenericRead, kFileShareRead);
    loadAgain();
    EXPECT_EQ(form.SavedWidth, 1280);
}

TEST_F(LoadDefaultsTest, ReadsLargeFilesToTheEnd) {
    // Line 1 is blank and longer than any single read.
    load(std::string(300 * 1024, ' ') + "\r\n1024\r\nauto\r\n");
    EXPECT_EQ(form.SavedHeight, 1024);
    EXPECT_TRUE(autoChecked());
}

TEST_F(LoadDefaultsTest, AReadFailingHalfWayChangesNothing) {
    os.calls.failNext("ReadFile", kErrorAccessDenied, 1);
    load("1280\r\n1024\r\nauto\r\n" + std::string(100 * 1024, 'z'));
    expectNothingApplied();
}

TEST_F(LoadDefaultsTest, OnlyExactlyAutoChecksTheBox) {
    for (const char* line : {"Auto", "AUTO", " auto", "auto ", "auto\t", "autos", "aut", ""}) {
        SCOPED_TRACE(line);
        load(std::string("1280\r\n1024\r\n") + line + "\r\n");
        EXPECT_FALSE(autoChecked());
    }
    load("1280\r\n1024\r\nauto");
    EXPECT_TRUE(autoChecked());
}

TEST_F(LoadDefaultsTest, NeverUnchecksAuto) {
    os.windows.setChecked(form.CheckBox1, true);
    load("1280\r\n1024\r\nmanual\r\n");
    EXPECT_TRUE(autoChecked());
    EXPECT_EQ(os.windows.checksSet(form.CheckBox1), std::vector<bool>{true});
}

TEST_F(LoadDefaultsTest, ALineWithoutAVisibleByteLeavesItsBoxAndValue) {
    for (const std::string line : {"", " ", " \t ", "\x01\x1F"}) {
        SCOPED_TRACE("line 1 \"" + line + "\"");
        load(line + "\r\n1024\r\n");
        EXPECT_EQ(os.windows.textsSet(form.Edit1), std::vector<std::string>{});
        EXPECT_EQ(form.SavedWidth, 800);
        EXPECT_EQ(form.SavedHeight, 1024); // line 2 still goes on
    }
}

TEST_F(LoadDefaultsTest, ShowsTheLineAsReadAndUsesItsNumber) {
    load(" 1280\r\n  $300\r\n");
    EXPECT_EQ(edit1(), " 1280");
    EXPECT_EQ(edit2(), "  $300");
    EXPECT_EQ(form.SavedWidth, 1280);
    EXPECT_EQ(form.SavedHeight, 768);
}

TEST_F(LoadDefaultsTest, KeepsTheLow16BitsOfTheNumber) {
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
        EXPECT_EQ(form.SavedWidth, c.saved);
        EXPECT_EQ(form.SavedHeight, c.saved);
    }
}

TEST_F(LoadDefaultsTest, ABrokenLine1StopsBeforeLine2) {
    for (const char* line : {"1280 ", "1280\t", "2147483648", "$", "12a"}) {
        SCOPED_TRACE(line);
        os.windows.setChecked(form.CheckBox1, false);
        load(std::string(line) + "\r\n1024\r\nauto\r\n");
        EXPECT_TRUE(autoChecked());
        EXPECT_EQ(edit1(), line);
        EXPECT_EQ(form.SavedWidth, 800);
        EXPECT_EQ(os.windows.textsSet(form.Edit2), std::vector<std::string>{});
        EXPECT_EQ(form.SavedHeight, 600);
    }
}

TEST_F(LoadDefaultsTest, ABrokenLine2KeepsWhatLine1Did) {
    load("1280\r\n1024x\r\nauto\r\n");
    EXPECT_TRUE(autoChecked());
    EXPECT_EQ(form.SavedWidth, 1280);
    EXPECT_EQ(edit2(), "1024x");
    EXPECT_EQ(form.SavedHeight, 600);
}

TEST_F(LoadDefaultsTest, AOneLineFileSetsOnlyTheWidth) {
    load("1024");
    EXPECT_EQ(form.SavedWidth, 1024);
    EXPECT_EQ(os.windows.textsSet(form.Edit2), std::vector<std::string>{});
    EXPECT_EQ(form.SavedHeight, 600);
    EXPECT_FALSE(autoChecked());
}

TEST_F(LoadDefaultsTest, AFileSavedFromEmptyBoxesChangesNothing) {
    load("\r\n\r\nmanual\r\n");
    expectNothingApplied();
}

TEST_F(LoadDefaultsTest, LinesAreCutBeforeTheyAreRead) {
    // 4,096 blanks survive the cut, the digits after them do not.
    load(std::string(4096, ' ') + "1280\r\n1024\r\n");
    EXPECT_EQ(os.windows.textsSet(form.Edit1), std::vector<std::string>{});
    EXPECT_EQ(form.SavedHeight, 1024);

    load(std::string(4092, ' ') + "1280\r\n1024\r\n");
    EXPECT_EQ(form.SavedWidth, 1280);
}

TEST_F(LoadDefaultsTest, FormShowClearsTheMismatchAndLoads) {
    os.files.addFile(kSettingsPath, "1280\r\n1024\r\n");
    os.display.setCurrent(1280, 1024);
    form.ResolutionMismatch = true;
    form.FormShow();
    EXPECT_FALSE(form.ResolutionMismatch);
    EXPECT_EQ(form.SavedWidth, 1280);
}

} // namespace
} // namespace vevove::fake
