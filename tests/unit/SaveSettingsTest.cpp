#include "tests/unit/ErrorThrownBy.h"
#include "tests/unit/MainWindowTest.h"

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

class SaveSettingsTest : public MainWindowTest {
  protected:
    SaveSettingsTest() { form.SettingsPath = kSettingsPath; }

    void fillBoxes(const std::string& width, const std::string& height, bool autoMode) {
        os.windows.setText(form.Edit1, width);
        os.windows.setText(form.Edit2, height);
        os.windows.setChecked(form.CheckBox1, autoMode);
    }
};

TEST_F(SaveSettingsTest, WritesTheBoxesAndTheAutoStateAsThreeLines) {
    fillBoxes("1280", "1024", true);
    form.Button2Click();
    EXPECT_EQ(os.files.contents(kSettingsPath), "1280\r\n1024\r\nauto\r\n");
    EXPECT_EQ(os.files.contents(kSettingsPath).size(), 18u);

    fillBoxes("1280", "1024", false);
    form.Button2Click();
    EXPECT_EQ(os.files.contents(kSettingsPath), "1280\r\n1024\r\nmanual\r\n");

    fillBoxes("", "", false);
    form.Button2Click();
    EXPECT_EQ(os.files.contents(kSettingsPath), "\r\n\r\nmanual\r\n");

    fillBoxes(" 12a\t", "$500", true);
    form.Button2Click();
    EXPECT_EQ(os.files.contents(kSettingsPath), " 12a\t\r\n$500\r\nauto\r\n");
}

TEST_F(SaveSettingsTest, ReplacesALongerFile) {
    os.files.addFile(kSettingsPath, std::string(500, 'x'), MakeFileTime(2001, 1, 1),
                     kFileAttributeArchive);
    fillBoxes("800", "600", false);
    form.Button2Click();
    EXPECT_EQ(os.files.contents(kSettingsPath), "800\r\n600\r\nmanual\r\n");
    EXPECT_EQ(os.files.lastWriteTime(kSettingsPath), os.clock.now);
}

TEST_F(SaveSettingsTest, ChangesNoValueInMemory) {
    os.files.addFile(kSettingsPath, "800\r\n600\r\nmanual\r\n");
    form.LoadDefaults();
    form.ResolutionMismatch = true;

    fillBoxes("1280", "1024", true);
    form.Button2Click();
    EXPECT_EQ(form.SavedWidth, 800);
    EXPECT_EQ(form.SavedHeight, 600);
    EXPECT_TRUE(form.ResolutionMismatch);
    EXPECT_EQ(form.SettingsPath, kSettingsPath);
}

TEST_F(SaveSettingsTest, WhatItSavesLoadsBack) {
    fillBoxes(" 1280", "$400", true);
    form.Button2Click();

    TForm1 next(os);
    next.Edit1 = os.windows.create();
    next.Edit2 = os.windows.create();
    next.CheckBox1 = os.windows.create();
    next.LoadDefaults();
    EXPECT_EQ(os.windows.text(next.Edit1), " 1280");
    EXPECT_EQ(os.windows.text(next.Edit2), "$400");
    EXPECT_TRUE(os.windows.checked(next.CheckBox1));
    EXPECT_EQ(next.SavedWidth, 1280);
    EXPECT_EQ(next.SavedHeight, 1024);
}

TEST_F(SaveSettingsTest, AFileThatCannotBeCreatedNamesItsFullPathAndTheReason) {
    os.calls.failNext("CreateFileA", kErrorAccessDenied);
    const Error error = ErrorThrownBy([&] { form.Button2Click(); });
    EXPECT_EQ(error.kind(), ErrorKind::FileCreate);
    EXPECT_STREQ(error.what(), "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. "
                               "Access is denied");
    EXPECT_FALSE(os.files.isFile(kSettingsPath));
}

TEST_F(SaveSettingsTest, ReadsTheLastErrorBeforeAnythingElse) {
    os.calls.failNext("CreateFileA", kErrorAccessDenied);
    ErrorThrownBy([&] { form.Button2Click(); });
    const std::vector<std::string>& log = os.calls.log();
    ASSERT_GE(log.size(), 4u);
    const std::vector<std::string> tail(log.end() - 4, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"CreateFileA", "GetLastError", "FormatMessageA",
                                              "GetFullPathNameA"}));
}

TEST_F(SaveSettingsTest, TheCreationErrorComesFromTheRealCause) {
    // A missing folder, and a file that another process holds open.
    form.SettingsPath = "C:\\Gone\\ScrDef.ini";
    EXPECT_STREQ(ErrorThrownBy([&] { form.Button2Click(); }).what(),
                 "Datei \"C:\\Gone\\ScrDef.ini\" kann nicht erstellt werden. "
                 "The system cannot find the path specified");

    form.SettingsPath = kSettingsPath;
    os.files.addFile(kSettingsPath, "800\r\n600\r\nmanual\r\n");
    os.files.openElsewhere(kSettingsPath, kGenericRead, kFileShareRead | kFileShareWrite);
    EXPECT_STREQ(ErrorThrownBy([&] { form.Button2Click(); }).what(),
                 "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. The "
                 "process cannot access the file because it is being used by another process");
    EXPECT_EQ(os.files.contents(kSettingsPath), "800\r\n600\r\nmanual\r\n");
}

TEST_F(SaveSettingsTest, TheCreationErrorShowsTheRelativePathMadeAbsolute) {
    os.files.currentFolder = "D:\\Work";
    form.SettingsPath = "\\ScrDef.ini";
    EXPECT_STREQ(ErrorThrownBy([&] { form.Button2Click(); }).what(),
                 "Datei \"D:\\ScrDef.ini\" kann nicht erstellt werden. "
                 "The system cannot find the path specified");
}

TEST_F(SaveSettingsTest, ACodeWithoutTextLeavesTheReasonEmpty) {
    os.calls.failNext("CreateFileA", 0xDEAD);
    EXPECT_STREQ(ErrorThrownBy([&] { form.Button2Click(); }).what(),
                 "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. ");
}

TEST_F(SaveSettingsTest, AShortWriteIsAWriteErrorAndKeepsWhatWasWritten) {
    fillBoxes("1280", "1024", true);
    os.files.setFreeSpace(10);
    const Error error = ErrorThrownBy([&] { form.Button2Click(); });
    EXPECT_EQ(error.kind(), ErrorKind::Write);
    EXPECT_STREQ(error.what(), "Stream-Schreibfehler");
    EXPECT_EQ(os.files.contents(kSettingsPath), "1280\r\n1024");
}

TEST_F(SaveSettingsTest, AFailedWriteIsAWriteError) {
    fillBoxes("1280", "1024", true);
    os.files.setFreeSpace(0);
    EXPECT_STREQ(ErrorThrownBy([&] { form.Button2Click(); }).what(), "Stream-Schreibfehler");
    EXPECT_EQ(os.files.contents(kSettingsPath), "");

    os.files.setFreeSpace(1000);
    os.calls.failNext("WriteFile", kErrorAccessDenied);
    EXPECT_EQ(ErrorThrownBy([&] { form.Button2Click(); }).kind(), ErrorKind::Write);
}

} // namespace
} // namespace vevove::fake
