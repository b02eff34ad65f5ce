// "Save resolution", its settings-file part: the three lines it writes, the
// stored size it leaves, and the errors it raises, after which the old file
// and the stored size are still there.
#include "ErrorThrownBy.h"
#include "LoadSettings.h"
#include "ResolutionFixture.h"

#include <cstdint>
#include <string>

namespace vevove::fake {
namespace {

constexpr const char* kOldFile = "800\r\n600\r\nmanual\r\n";

class SaveResolutionTest : public ResolutionFixture {
  protected:
    SaveResolutionTest() { state.settingsPath = kSettingsPath; }

    void fillBoxes(const std::string& width, const std::string& height, bool autoMode) {
        boxes.width = width;
        boxes.height = height;
        boxes.autoChecked = autoMode;
    }
    const std::string& saved() { return storage.files.at(kSettingsPath).bytes; }
    // The stored size as the old file gave it.
    void setStored800By600() {
        state.savedWidth = 800;
        state.savedHeight = 600;
    }
    void expectStored800By600() {
        EXPECT_EQ(state.savedWidth, 800);
        EXPECT_EQ(state.savedHeight, 600);
    }
};

TEST_F(SaveResolutionTest, WritesTheBoxesAndTheAutoStateAsThreeLines) {
    struct Case {
        const char* width;
        const char* height;
        bool autoMode;
        const char* file;
    };
    const Case cases[] = {
        {"1280", "1024", true, "1280\r\n1024\r\nauto\r\n"},
        {"1280", "1024", false, "1280\r\n1024\r\nmanual\r\n"},
        {"", "", false, "\r\n\r\nmanual\r\n"},
        {" 12a\t", "$500", true, " 12a\t\r\n$500\r\nauto\r\n"},
    };
    // A longer file is replaced as a whole.
    addSettingsFile(std::string(500, 'x'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        fillBoxes(c.width, c.height, c.autoMode);
        SaveResolution(resolution);
        EXPECT_EQ(saved(), c.file);
    }
}

TEST_F(SaveResolutionTest, TheSavedFileGivesTheStoredSizeAtOnce) {
    struct Case {
        const char* width;
        const char* height;
        std::uint16_t storedWidth;
        std::uint16_t storedHeight;
    };
    // As a load of the written file from nothing: a blank line gives nothing,
    // and a width line that is no number ends the reading.
    const Case cases[] = {
        {"1280", "1024", 1280, 1024},
        {" 1280", "$300", 1280, 768},
        {"-1", "70000", 65535, 4464},
        {"", "768", 0, 768},
        {"1024", " \t", 1024, 0},
        {"", "", 0, 0},
        {"abc", "768", 0, 0},
        {"1280 ", "1024", 0, 0},
        {"1280", "abc", 1280, 0},
        {"1280\r\n1024", "x", 1280, 1024}, // a box with a line end gives two lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " / " + c.height);
        addSettingsFile(kOldFile);
        setStored800By600();
        fillBoxes(c.width, c.height, true);
        SaveResolution(resolution);
        EXPECT_EQ(state.savedWidth, c.storedWidth);
        EXPECT_EQ(state.savedHeight, c.storedHeight);
        // The boxes, "Auto" and the path stay as they were.
        EXPECT_EQ(boxes.width, c.width);
        EXPECT_EQ(boxes.height, c.height);
        EXPECT_TRUE(boxes.autoChecked);
        EXPECT_EQ(state.settingsPath, kSettingsPath);
    }
}

TEST_F(SaveResolutionTest, WhatItSavesLoadsBack) {
    fillBoxes(" 1280", "$400", true);
    SaveResolution(resolution);

    FakeResolutionBoxes nextBoxes;
    Resolution next{storage, display, nextBoxes, registry, {}};
    LoadSettings(next);
    EXPECT_EQ(nextBoxes.width, " 1280");
    EXPECT_EQ(nextBoxes.height, "$400");
    EXPECT_TRUE(nextBoxes.autoChecked);
    EXPECT_EQ(next.state.savedWidth, 1280);
    EXPECT_EQ(next.state.savedHeight, 1024);
    EXPECT_EQ(next.state.savedWidth, state.savedWidth);
    EXPECT_EQ(next.state.savedHeight, state.savedHeight);
}

TEST_F(SaveResolutionTest, AFileThatCannotBeCreatedNamesItsFullPathAndTheReason) {
    struct Case {
        const char* path;
        std::uint32_t injected; // 0: nothing injected
        bool folderAtPath;
        const char* message;
    };
    const Case cases[] = {
        {kSettingsPath, kErrorAccessDenied, false,
         "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. Zugriff verweigert"},
        // The path as the storage made it absolute, not as it was given.
        {"\\ScrDef.ini", kErrorAccessDenied, false,
         "Datei \"E:\\ScrDef.ini\" kann nicht erstellt werden. Zugriff verweigert"},
        // A code the system has no text for leaves the reason empty.
        {kSettingsPath, 0xDEAD, false,
         "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. "},
        {kSettingsPath, 0, true,
         "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. Zugriff verweigert"},
        // A UTF-8 path shown in the program's code page (the fake's holds
        // ASCII alone).
        {"C:\\Daten \xD0\x96\\ScrDef.ini", kErrorAccessDenied, false,
         "Datei \"C:\\Daten ?\\ScrDef.ini\" kann nicht erstellt werden. Zugriff verweigert"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        storage.failures.Clear();
        storage.folders.clear();
        storage.files.clear();
        storage.fullPaths = {{"\\ScrDef.ini", "E:\\ScrDef.ini"}};
        if (c.injected != 0) {
            storage.failures.FailNext("WriteAll.Create", c.injected);
            storage.files[c.path] = {kOldFile};
        }
        if (c.folderAtPath) {
            storage.folders.insert(c.path);
        }
        state.settingsPath = c.path;
        setStored800By600();
        fillBoxes("1280", "1024", true);
        const Error error = ErrorThrownBy([&] { SaveResolution(resolution); });
        EXPECT_EQ(error.kind(), ErrorKind::FileCreate);
        EXPECT_STREQ(error.what(), c.message);
        EXPECT_EQ(storage.failures.Fired("WriteAll.Create"), c.injected != 0);
        EXPECT_EQ(storage.files.count(c.path), c.injected != 0 ? 1u : 0u);
        if (c.injected != 0) {
            EXPECT_EQ(storage.files.at(c.path).bytes, kOldFile);
        }
        expectStored800By600();
    }
}

TEST_F(SaveResolutionTest, AFailedWriteIsAWriteErrorAndKeepsTheOldFile) {
    // A failing write or flush, and a short write, which has no code.
    for (const std::uint32_t code : {kErrorDiskFull, std::uint32_t{0}}) {
        for (const bool oldFile : {true, false}) {
            SCOPED_TRACE(std::to_string(code) + (oldFile ? " over a file" : " without a file"));
            storage.files.clear();
            if (oldFile) {
                addSettingsFile(kOldFile);
            }
            setStored800By600();
            fillBoxes("1280", "1024", true);
            storage.failures.FailNext("WriteAll.Write", code);
            const Error error = ErrorThrownBy([&] { SaveResolution(resolution); });
            EXPECT_TRUE(storage.failures.Fired("WriteAll.Write"));
            EXPECT_EQ(error.kind(), ErrorKind::Write);
            EXPECT_STREQ(error.what(), "Stream-Schreibfehler");
            if (oldFile) {
                EXPECT_EQ(saved(), kOldFile);
            } else {
                EXPECT_EQ(storage.files.count(kSettingsPath), 0u);
            }
            expectStored800By600();
        }
    }
}

} // namespace
} // namespace vevove::fake
