#include "tests/unit/ErrorThrownBy.h"
#include "tests/unit/IconCommandTest.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

using Strings = std::vector<std::string>;

// Run against a 64-bit shell and, with the same expectations, a 32-bit one.
class SaveIconsTest : public IconCommandTest, public ::testing::WithParamInterface<int> {
  protected:
    SaveIconsTest() {
        os.desktop.process.pointerBits = GetParam();
        os.desktop.startShell();
    }
};

INSTANTIATE_TEST_SUITE_P(ShellWidths, SaveIconsTest, ::testing::Values(64, 32));

TEST_P(SaveIconsTest, StoresEveryIconUnderItsTextAsXThenY) {
    listView().add("Papierkorb", 20, 10);
    listView().add("Arbeitsplatz", 20, 90);
    listView().add("Notizen.txt", 1004, 653);
    form.Button4Click();
    EXPECT_EQ(savedPositions(),
              (Strings{"Papierkorb=20,10", "Arbeitsplatz=20,90", "Notizen.txt=1004,653"}));
    ASSERT_EQ(os.registry.values(kIconsKey).size(), 3u);
    EXPECT_EQ(os.registry.values(kIconsKey)[2].data,
              (std::vector<std::uint8_t>{0xEC, 0x03, 0, 0, 0x8D, 0x02, 0, 0}));
}

TEST_P(SaveIconsTest, AnEmptyDesktopLeavesAnEmptyKey) {
    os.registry.setValue(kIconsKey, "Alt", kRegBinaryType, PositionBytes(1, 2));
    form.Button4Click();
    ASSERT_TRUE(os.registry.hasKey(kIconsKey));
    EXPECT_EQ(savedPositions(), Strings{});
}

TEST_P(SaveIconsTest, TheSameTextTwiceKeepsTheHigherIndexWhateverTheCase) {
    listView().add("Spiele", 1, 1);
    listView().add("Post", 2, 2);
    listView().add("SPIELE", 3, 3);
    listView().add("Post", 4, 4);
    form.Button4Click();
    EXPECT_EQ(savedPositions(), (Strings{"Spiele=3,3", "Post=4,4"}));
}

TEST_P(SaveIconsTest, AnEmptyTextGoesToTheUnnamedValue) {
    listView().add("", 75, 150);
    listView().add("A", 5, 5);
    form.Button4Click();
    EXPECT_EQ(savedPositions(), (Strings{"=75,150", "A=5,5"}));
}

TEST_P(SaveIconsTest, TextsAreCutTo254Bytes) {
    const std::string longText = std::string(250, 'x') + "abcdefghij";
    listView().add(longText, 1, 2);
    listView().add(std::string(254, 'y'), 3, 4);
    form.Button4Click();
    const auto& values = os.registry.values(kIconsKey);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, longText.substr(0, 254));
    EXPECT_EQ(values[1].name, std::string(254, 'y'));
}

TEST_P(SaveIconsTest, NegativeCoordinatesAreStoredAsTwosComplement) {
    listView().add("Links oben", -40, -2147483647 - 1);
    form.Button4Click();
    ASSERT_EQ(os.registry.values(kIconsKey).size(), 1u);
    EXPECT_EQ(os.registry.values(kIconsKey)[0].data,
              (std::vector<std::uint8_t>{0xD8, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}));
}

TEST_P(SaveIconsTest, TextsInTheAnsiCodePageKeepTheirBytes) {
    listView().add("Gr\xFC\xDF"
                   "e \x80",
                   8, 9);
    form.Button4Click();
    EXPECT_EQ(savedPositions(), (Strings{"Gr\xFC\xDF"
                                         "e \x80=8,9"}));
}

TEST_P(SaveIconsTest, ARemovedIconIsGoneAfterTheNextSave) {
    listView().add("Bleibt", 1, 1);
    listView().add("Geht", 2, 2);
    form.Button4Click();
    listView().items.pop_back();
    form.Button4Click();
    EXPECT_EQ(savedPositions(), Strings{"Bleibt=1,1"});
}

TEST_P(SaveIconsTest, OneBlockServesTheWholeCommandAndTheRecordIsWrittenOnce) {
    for (int i = 0; i < 20; ++i) {
        listView().add("Symbol " + std::to_string(i), i, i);
    }
    form.Button4Click();
    EXPECT_EQ(os.calls.count("VirtualAllocEx"), 1);
    EXPECT_EQ(os.calls.count("VirtualFreeEx"), 1);
    // The record, then a zeroed point per icon.
    EXPECT_EQ(os.calls.count("WriteProcessMemory"), 21);
    EXPECT_EQ(savedPositions().size(), 20u);
}

TEST_P(SaveIconsTest, KeysAreTouchedOnlyAfterEveryIconWasRead) {
    listView().add("A", 1, 1);
    form.Button4Click();
    const auto& log = os.calls.log();
    const auto lastRead = std::find(log.rbegin(), log.rend(), "ReadProcessMemory");
    const auto deleted = std::find(log.begin(), log.end(), "RegDeleteKeyA");
    ASSERT_NE(deleted, log.end());
    // base() is one past the last read.
    EXPECT_LE(std::distance(log.begin(), lastRead.base()), std::distance(log.begin(), deleted));
    EXPECT_EQ(Strings(deleted, deleted + 4),
              (Strings{"RegDeleteKeyA", "RegCreateKeyExA", "RegSetValueExA", "RegCloseKey"}));
}

TEST_P(SaveIconsTest, WithoutADesktopNothingIsOpenedOrStored) {
    FakePlatform bare;
    TForm1 other(bare);
    other.Button4Click();
    EXPECT_FALSE(bare.registry.hasKey(kIconsKey));
    EXPECT_EQ(bare.calls.count("OpenProcess"), 0);
}

TEST_P(SaveIconsTest, SaveResolutionWritesTheFileAndThenTheIcons) {
    form.SettingsPath = kSettingsPath;
    os.windows.setText(form.Edit1, "1024");
    os.windows.setText(form.Edit2, "768");
    listView().add("Papierkorb", 20, 10);
    form.Button2Click();
    EXPECT_EQ(os.files.contents(kSettingsPath), "1024\r\n768\r\nmanual\r\n");
    EXPECT_EQ(savedPositions(), Strings{"Papierkorb=20,10"});
    const auto& log = os.calls.log();
    EXPECT_LT(std::find(log.begin(), log.end(), "CloseHandle"),
              std::find(log.begin(), log.end(), "OpenProcess"));
}

TEST_P(SaveIconsTest, AFileThatCannotBeWrittenSavesNoIcons) {
    form.SettingsPath = kSettingsPath;
    listView().add("Papierkorb", 20, 10);
    os.calls.failNext("CreateFileA", kErrorAccessDenied);
    ErrorThrownBy([&] { form.Button2Click(); });
    EXPECT_FALSE(os.registry.hasKey(kIconsKey));
    EXPECT_EQ(os.calls.count("OpenProcess"), 0);
}

// A failure at any copy, at any point of the walk, leaves nothing open and
// the layout saved before untouched; a failure of a registry call is silent.
TEST_P(SaveIconsTest, AFailureAtAnyRemoteCallLeavesTheSavedLayoutAndNothingOpen) {
    listView().add("Eins", 1, 1);
    listView().add("Zwei", 2, 2);
    const Strings before = {"Alt=7,7"};
    for (const char* call : {"OpenProcess", "IsWow64Process", "VirtualAllocEx",
                             "WriteProcessMemory", "ReadProcessMemory"}) {
        for (int skipped = 0; skipped < 4; ++skipped) {
            os.registry.deleteKey(kHkeyCurrentUser, kIconsKey);
            os.registry.setValue(kIconsKey, "Alt", kRegBinaryType, PositionBytes(7, 7));
            os.calls.clearLog();
            os.calls.failNext(call, kErrorAccessDenied, skipped);
            try {
                form.Button4Click();
            } catch (const Error& error) {
                EXPECT_EQ(error.systemCode(), kErrorAccessDenied) << call << " " << skipped;
                EXPECT_EQ(savedPositions(), before) << call << " " << skipped;
                EXPECT_EQ(os.calls.count("RegDeleteKeyA"), 0) << call << " " << skipped;
            }
            os.calls.clearFailures();
            EXPECT_TRUE(os.desktop.process.blocks().empty()) << call << " " << skipped;
            EXPECT_EQ(os.handles.openHandles(), Strings{}) << call << " " << skipped;
        }
    }
}

TEST_P(SaveIconsTest, ABlockThatCannotBeReleasedIsReportedWithTheLayoutSaved) {
    listView().add("Eins", 1, 1);
    os.calls.failNext("VirtualFreeEx", kErrorAccessDenied);
    const Error error = ErrorThrownBy([&] { form.Button4Click(); });
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
    EXPECT_EQ(os.handles.openHandles(), Strings{});
    // The shell keeps the block; nothing more can be done about it.
    EXPECT_EQ(os.desktop.process.blocks().size(), 1u);
    os.desktop.process.release(os.desktop.process.blocks().begin()->first);
}

TEST_P(SaveIconsTest, RegistryFailuresAreSilent) {
    listView().add("Eins", 1, 1);
    listView().add("Zwei", 2, 2);
    os.registry.setValue(kIconsKey, "Alt", kRegBinaryType, PositionBytes(7, 7));

    os.calls.failNext("RegDeleteKeyA", kErrorAccessDenied);
    form.Button4Click();
    EXPECT_EQ(savedPositions(), (Strings{"Alt=7,7", "Eins=1,1", "Zwei=2,2"}));

    os.calls.failNext("RegSetValueExA", kErrorAccessDenied);
    form.Button4Click();
    EXPECT_EQ(savedPositions(), Strings{"Zwei=2,2"});

    os.calls.failNext("RegCreateKeyExA", kErrorAccessDenied);
    form.Button4Click();
    EXPECT_FALSE(os.registry.hasKey(kIconsKey));
}

TEST_P(SaveIconsTest, AShellWiderThanTheProgramIsRefusedClearly) {
    os.pointerBits = 32;
    listView().add("Eins", 1, 1);
    if (GetParam() == 32) {
        form.Button4Click();
        EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
        return;
    }
    const Error error = ErrorThrownBy([&] { form.Button4Click(); });
    EXPECT_EQ(error.kind(), ErrorKind::Unsupported);
    EXPECT_STREQ(error.what(), kShellTooWideText);
    EXPECT_EQ(os.calls.count("SendMessageA"), 0);
    EXPECT_FALSE(os.registry.hasKey(kIconsKey));
}

TEST(SaveIconsWithoutOwner, AListViewOfNoProcessIsLeftAlone) {
    FakePlatform os;
    TForm1 form(os);
    const WindowHandle progman = os.desktop.addWindow("Progman", 0, 0);
    os.desktop.addWindow("SysListView32", os.desktop.addWindow("SHELLDLL_DefView", progman, 0), 0);
    form.Button4Click();
    form.Button5Click();
    EXPECT_EQ(os.calls.count("GetWindowThreadProcessId"), 2);
    EXPECT_EQ(os.calls.count("OpenProcess"), 0);
    EXPECT_FALSE(os.registry.hasKey(kIconsKey));
}

TEST(SaveIconsOn32BitShell, TheShellReceivesExactlyTheFortyByteRecord) {
    FakePlatform os;
    TForm1 form(os);
    os.desktop.process.pointerBits = 32;
    os.desktop.startShell();
    os.desktop.listView.add("A", 1, 2);
    form.Button4Click();
    const auto& records = os.desktop.listView.itemRecords;
    ASSERT_EQ(records.size(), 1u);
    const std::vector<std::uint8_t> expected = {
        0,    0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x28, 0x00, 0xA3, 0x00, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    };
    EXPECT_EQ(records[0], expected);
}

} // namespace
} // namespace vevove::fake
