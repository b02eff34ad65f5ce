#include "tests/unit/ErrorThrownBy.h"
#include "tests/unit/IconCommandTest.h"

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

using Strings = std::vector<std::string>;

// Run against a 64-bit shell and, with the same expectations, a 32-bit one.
class RestoreIconsTest : public IconCommandTest, public ::testing::WithParamInterface<int> {
  protected:
    RestoreIconsTest() {
        os.desktop.process.pointerBits = GetParam();
        os.desktop.startShell();
        listView().add("Papierkorb", 20, 10);
        listView().add("Arbeitsplatz", 20, 90);
        listView().add("Notizen.txt", 100, 200);
    }

    void save(const std::string& name, std::int32_t x, std::int32_t y) {
        os.registry.setValue(kIconsKey, name, kRegBinaryType, PositionBytes(x, y));
    }
};

INSTANTIATE_TEST_SUITE_P(ShellWidths, RestoreIconsTest, ::testing::Values(64, 32));

TEST_P(RestoreIconsTest, PutsBackWhatASaveRecorded) {
    form.Button4Click();
    listView().items[0].x = 500;
    listView().items[1].y = 700;
    listView().items[2] = {"Notizen.txt", -3, -4};
    form.Button5Click();
    EXPECT_EQ(iconPositions(),
              (Strings{"Papierkorb=20,10", "Arbeitsplatz=20,90", "Notizen.txt=100,200"}));
}

TEST_P(RestoreIconsTest, SearchesByTheValueNameAndSendsNameAndRecordInOneCopy) {
    save("notizen.TXT", 1, 2);
    form.Button5Click();
    EXPECT_EQ(iconPositions()[2], "Notizen.txt=1,2");
    EXPECT_EQ(os.calls.count("WriteProcessMemory"), 1);
    const auto& record = listView().findRecords.at(0);
    const std::size_t size = GetParam() == 64 ? 40 : 24;
    ASSERT_EQ(record.size(), size + 12);
    EXPECT_EQ(std::string(record.begin() + size, record.end()), std::string("notizen.TXT\0", 12));
}

TEST_P(RestoreIconsTest, AutomaticArrangementIsOffWhileMovingAndBackAfterwards) {
    listView().style |= kAutoArrange;
    const std::int32_t before = listView().style;
    save("Papierkorb", 300, 400);
    form.Button5Click();
    EXPECT_EQ(listView().movesWhileArranged, 0);
    EXPECT_EQ(iconPositions()[0], "Papierkorb=300,400");
    EXPECT_EQ(listView().style, before);
}

TEST_P(RestoreIconsTest, BeforeAnySaveNothingMovesAndTheStyleStays) {
    listView().style |= kAutoArrange;
    const std::int32_t before = listView().style;
    const Strings icons = iconPositions();
    form.Button5Click();
    EXPECT_EQ(iconPositions(), icons);
    EXPECT_EQ(listView().style, before);
    EXPECT_EQ(os.calls.count("SetWindowLongA"), 2);
}

TEST_P(RestoreIconsTest, AMissingIconIsSkippedAndTheOthersStillMove) {
    save("Papierkorb", 1, 1);
    save("Gibt es nicht", 2, 2);
    save("Notizen.txt", 3, 3);
    form.Button5Click();
    EXPECT_EQ(iconPositions(),
              (Strings{"Papierkorb=1,1", "Arbeitsplatz=20,90", "Notizen.txt=3,3"}));
}

TEST_P(RestoreIconsTest, SkipsValuesThatAreNotEightBytesOfBinary) {
    os.registry.setValue(kIconsKey, "Papierkorb", kRegBinaryType, {1, 0, 0, 0});
    os.registry.setValue(kIconsKey, "Arbeitsplatz", kRegBinaryType,
                         {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0});
    os.registry.setValue(kIconsKey, "Notizen.txt", kRegDword, {1, 0, 0, 0, 2, 0, 0, 0});
    os.registry.setValue(kIconsKey, "Notizen.txt ", kRegSz, {'a', 0});
    const Strings icons = iconPositions();
    form.Button5Click();
    EXPECT_EQ(iconPositions(), icons);
    EXPECT_EQ(os.calls.count("SendMessageA"), 0);
}

TEST_P(RestoreIconsTest, SkipsANameTooLongForItsBufferAndGoesOn) {
    listView().add(std::string(260, 'n'), 0, 0);
    save(std::string(260, 'n'), 5, 5);
    save(std::string(259, 'm'), 6, 6);
    save("Papierkorb", 7, 7);
    form.Button5Click();
    EXPECT_EQ(iconPositions()[3], std::string(260, 'n') + "=0,0");
    EXPECT_EQ(iconPositions()[0], "Papierkorb=7,7");
    EXPECT_EQ(listView().findRecords.size(), 2u);
}

TEST_P(RestoreIconsTest, CoordinatesAreCutToSixteenBits) {
    save("Papierkorb", 65536 + 12, -65536 - 3);
    save("Arbeitsplatz", 32768, -32768);
    form.Button5Click();
    EXPECT_EQ(iconPositions()[0], "Papierkorb=12,-3");
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=-32768,-32768");
}

TEST_P(RestoreIconsTest, TheUnnamedValueMovesTheIconWithoutText) {
    listView().add("", 0, 0);
    save("", 44, 55);
    form.Button5Click();
    EXPECT_EQ(iconPositions()[3], "=44,55");
}

TEST_P(RestoreIconsTest, OfSeveralIconsWithTheSameTextOnlyTheFirstMoves) {
    listView().add("Papierkorb", 30, 30);
    save("Papierkorb", 9, 9);
    form.Button5Click();
    EXPECT_EQ(iconPositions()[0], "Papierkorb=9,9");
    EXPECT_EQ(iconPositions()[3], "Papierkorb=30,30");
}

TEST_P(RestoreIconsTest, AnEnumerationFailureEndsTheWalkQuietly) {
    save("Papierkorb", 1, 1);
    save("Arbeitsplatz", 2, 2);
    os.calls.failNext("RegEnumValueA", kErrorAccessDenied, 1);
    form.Button5Click();
    EXPECT_EQ(iconPositions()[0], "Papierkorb=1,1");
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=20,90");
}

TEST_P(RestoreIconsTest, AFailureAtAnyCallLeavesTheStyleBackAndNothingOpen) {
    save("Papierkorb", 1, 1);
    save("Arbeitsplatz", 2, 2);
    listView().style |= kAutoArrange;
    const std::int32_t before = listView().style;
    for (const char* call : {"OpenProcess", "IsWow64Process", "VirtualAllocEx",
                             "WriteProcessMemory", "RegOpenKeyExA", "RegEnumValueA"}) {
        for (int skipped = 0; skipped < 3; ++skipped) {
            os.calls.failNext(call, kErrorAccessDenied, skipped);
            try {
                form.Button5Click();
            } catch (const Error& error) {
                EXPECT_EQ(error.systemCode(), kErrorAccessDenied) << call << " " << skipped;
            }
            os.calls.clearFailures();
            EXPECT_EQ(listView().style, before) << call << " " << skipped;
            EXPECT_TRUE(os.desktop.process.blocks().empty()) << call << " " << skipped;
            EXPECT_EQ(os.handles.openHandles(), Strings{}) << call << " " << skipped;
            EXPECT_EQ(os.registry.openKeys(), Strings{}) << call << " " << skipped;
        }
    }
}

TEST_P(RestoreIconsTest, AFailedCopyStopsTheWalkWithTheSystemError) {
    save("Papierkorb", 1, 1);
    save("Arbeitsplatz", 2, 2);
    os.calls.failNext("WriteProcessMemory", kErrorNoAccess, 1);
    const Error error = ErrorThrownBy([&] { form.Button5Click(); });
    EXPECT_EQ(error.systemCode(), kErrorNoAccess);
    EXPECT_EQ(iconPositions()[0], "Papierkorb=1,1");
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=20,90");
    // The next command starts afresh.
    form.Button5Click();
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=2,2");
}

TEST_P(RestoreIconsTest, WithoutADesktopNothingHappens) {
    FakePlatform bare;
    TForm1 other(bare);
    bare.registry.setValue(kIconsKey, "Papierkorb", kRegBinaryType, PositionBytes(1, 1));
    other.Button5Click();
    EXPECT_EQ(bare.calls.count("OpenProcess"), 0);
    EXPECT_EQ(bare.calls.count("RegOpenKeyExA"), 0);
}

TEST(RestoreIconsOn32BitShell, TheShellReceivesExactlyTheTwentyFourByteRecordAndTheName) {
    FakePlatform os;
    TForm1 form(os);
    os.desktop.process.pointerBits = 32;
    os.desktop.startShell();
    os.desktop.listView.add("Ab", 0, 0);
    os.registry.setValue(kIconsKey, "Ab", kRegBinaryType, PositionBytes(-1, 2));
    form.Button5Click();
    const std::vector<std::uint8_t> expected = {2, 0, 0, 0, 0x18, 0x00, 0xA3, 0x00, 0,
                                                0, 0, 0, 0, 0,    0,    0,    0,    0,
                                                0, 0, 0, 0, 0,    0,    'A',  'b',  0};
    ASSERT_EQ(os.desktop.listView.findRecords.size(), 1u);
    EXPECT_EQ(os.desktop.listView.findRecords[0], expected);
    EXPECT_EQ(os.desktop.listView.items[0].x, -1);
    EXPECT_EQ(os.desktop.listView.items[0].y, 2);
}

} // namespace
} // namespace vevove::fake
