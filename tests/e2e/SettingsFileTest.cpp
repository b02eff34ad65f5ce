// "Save resolution" writes the boxes and "Auto" to C:\ProgramData\ScrDef.ini,
// and the next start reads them back. The old file is replaced only by a
// complete new one: a save that fails leaves it as it was, and no save leaves
// a temporary file behind.
#include "harness/SettingsFile.h"
#include "harness/ErrorBox.h"
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace e2e {
namespace {

const std::optional<DWORD> kExitCode0 = 0;
const std::string kCreateErrorStart =
    "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. ";

// The system's text for a code as the error box shows it: without trailing
// blanks, line ends and full stops.
std::string SystemText(DWORD code) {
    char buffer[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() &&
           (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

// The files that a save may have left beside the settings file.
std::vector<std::string> TemporaryFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("C:\\ProgramData\\*.tmp", &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Holds the file open without sharing, as another program may.
class FileHeldOpen {
  public:
    FileHeldOpen()
        : file_(CreateFileA(kSettingsFilePath, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FileHeldOpen() {
        if (file_ != INVALID_HANDLE_VALUE) {
            CloseHandle(file_);
        }
    }
    FileHeldOpen(const FileHeldOpen&) = delete;
    FileHeldOpen& operator=(const FileHeldOpen&) = delete;
    bool held() const { return file_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE file_;
};

class SettingsFileTest : public VevoveTest {
  protected:
    void TypeResolution(const std::string& width, const std::string& height) {
        SetText(controls_.width, width);
        SetText(controls_.height, height);
    }

    void CheckAuto() {
        Click(controls_.autoBox);
        ASSERT_TRUE(WaitUntil([&] { return IsChecked(controls_.autoBox); }));
    }

    void Quit() {
        Click(controls_.quit);
        ASSERT_EQ(vevove().waitForExit(), kExitCode0);
    }
};

TEST_F(SettingsFileTest, SaveWritesWidthHeightAndAuto) {
    Start();
    TypeResolution("1280", "1024");
    CheckAuto();
    Click(controls_.saveResolution);
    // 18 bytes: three lines, each ended by CR LF.
    EXPECT_EQ(WaitForSettingsFile(), std::optional<std::string>("1280\r\n1024\r\nauto\r\n"));
    EXPECT_TRUE(MessageBoxes(vevove().id()).empty());
    Quit();
}

// A reader that keeps reading the settings file while it is saved again and
// again never finds it empty or partial (before, each save created the file
// empty first), and no save fails for it.
TEST_F(SettingsFileTest, AReaderNeverFindsTheFileEmptyWhileItIsSaved) {
    Start();
    TypeResolution("1280", "1024");
    ClickAndWait(controls_.saveResolution);
    const std::string saved = "1280\r\n1024\r\nmanual\r\n";
    ASSERT_EQ(WaitForSettingsFile(), std::optional<std::string>(saved));
    std::atomic<bool> saving{true};
    std::atomic<int> reads{0};
    std::vector<std::string> others;
    std::thread reader([&] {
        while (saving) {
            // Wine's replacement takes the name away for a moment, which
            // a reader finds as no file, not as an empty one.
            if (const std::optional<std::string> bytes = ReadSettingsFile()) {
                if (*bytes != saved) {
                    others.push_back(*bytes);
                }
                ++reads;
            }
            Sleep(1);
        }
    });
    for (int save = 0; save < 100; ++save) {
        // Every other save makes the file anew, as the first save does.
        if (save % 2 == 0) {
            ASSERT_TRUE(WaitUntil([] {
                return DeleteFileA(kSettingsFilePath) || GetLastError() == ERROR_FILE_NOT_FOUND;
            }));
        }
        ClickAndWait(controls_.saveResolution);
    }
    saving = false;
    reader.join();
    EXPECT_GT(reads, 100);
    EXPECT_EQ(others, std::vector<std::string>{});
    EXPECT_TRUE(MessageBoxes(vevove().id()).empty());
}

TEST_F(SettingsFileTest, SaveWritesManualWhenAutoIsUnchecked) {
    Start();
    TypeResolution("1280", "1024");
    Click(controls_.saveResolution);
    EXPECT_EQ(WaitForSettingsFile(), std::optional<std::string>("1280\r\n1024\r\nmanual\r\n"));
    Quit();
}

TEST_F(SettingsFileTest, StartShowsTheSavedResolutionAndAuto) {
    WriteSettingsFile("1024\r\n768\r\nauto\r\n");
    Start();
    EXPECT_EQ(Text(controls_.width), "1024");
    EXPECT_EQ(Text(controls_.height), "768");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

TEST_F(SettingsFileTest, StartLeavesAutoUncheckedForManual) {
    WriteSettingsFile("800\r\n600\r\nmanual\r\n");
    Start();
    EXPECT_EQ(Text(controls_.width), "800");
    EXPECT_EQ(Text(controls_.height), "600");
    EXPECT_FALSE(IsChecked(controls_.autoBox));
}

TEST_F(SettingsFileTest, WhatIsSavedIsReadBackAtTheNextStart) {
    Start();
    TypeResolution("1024", "768");
    CheckAuto();
    Click(controls_.saveResolution);
    ASSERT_TRUE(WaitForSettingsFile().has_value());
    Quit();

    Start();
    EXPECT_EQ(Text(controls_.width), "1024");
    EXPECT_EQ(Text(controls_.height), "768");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

// A folder whose name the ANSI code page cannot hold (a Cyrillic letter here,
// whose code page is Windows-1252) is saved to and read back from.
TEST_F(SettingsFileTest, AnAllUsersFolderOutsideTheAnsiCodePageIsServed) {
    const MovedCommonDataFolder moved(L"C:\\ProgramData\\Vevove \x0416");
    ASSERT_EQ(GetACP(), 1252u);
    Start();
    TypeResolution("1024", "768");
    CheckAuto();
    Click(controls_.saveResolution);
    std::optional<std::string> saved;
    WaitUntil([&] { return (saved = moved.ReadSettingsFile()).has_value(); });
    EXPECT_EQ(saved, std::optional<std::string>("1024\r\n768\r\nauto\r\n"));
    EXPECT_TRUE(MessageBoxes(vevove().id()).empty());
    EXPECT_EQ(ReadSettingsFile(), std::nullopt);
    Quit();

    Start();
    EXPECT_EQ(Text(controls_.width), "1024");
    EXPECT_EQ(Text(controls_.height), "768");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

TEST_F(SettingsFileTest, SaveReplacesALongerFileWholeAndLeavesNoTemporaryFile) {
    WriteSettingsFile("1280\r\n1024\r\nmanual\r\n" + std::string(500, 'x'));
    Start();
    TypeResolution("800", "600");
    Click(controls_.saveResolution);
    EXPECT_TRUE(WaitUntil([] { return ReadSettingsFile() == "800\r\n600\r\nmanual\r\n"; }));
    EXPECT_TRUE(MessageBoxes(vevove().id()).empty());
    EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
}

TEST_F(SettingsFileTest, AFailedSaveShowsTheCreateErrorAndLeavesTheOldFile) {
    struct Case {
        const char* name;
        bool folderInPlace; // otherwise the old file, held open elsewhere
        DWORD code;         // whose system text ends the message
    };
    const Case cases[] = {
        {"a folder named ScrDef.ini", true, ERROR_ACCESS_DENIED},
        {"the file held open without sharing", false, ERROR_SHARING_VIOLATION},
    };
    const std::string oldFile = "800\r\n600\r\nmanual\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.folderInPlace) {
            PutDirectoryInPlaceOfSettingsFile();
        } else {
            WriteSettingsFile(oldFile);
        }
        Start();
        {
            const FileHeldOpen other;
            ASSERT_EQ(other.held(), !c.folderInPlace);
            TypeResolution("1024", "768");
            Click(controls_.saveResolution);
            HWND box = WaitForMessageBox(vevove().id());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(MessageBoxText(box), kCreateErrorStart + SystemText(c.code) + ".");
            PressOk(box);
            ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
        }
        if (c.folderInPlace) {
            const DWORD attributes = GetFileAttributesA(kSettingsFilePath);
            EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
            EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
        } else {
            EXPECT_EQ(ReadSettingsFile(), oldFile);
        }
        EXPECT_EQ(TemporaryFiles(), std::vector<std::string>{});
        Quit();
        RemoveSettingsFile();
    }
}

} // namespace
} // namespace e2e
