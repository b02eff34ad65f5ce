#include "ListViewRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vevove {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ListViewRecords, The64BitItemRecordAlignsItsPointer) {
    const Bytes record = ItemTextRecord(kListView64, 0x1F3A50000ull);
    ASSERT_EQ(record.size(), 56u);
    const Bytes pointer(record.begin() + 24, record.begin() + 32);
    EXPECT_EQ(pointer, (Bytes{0x40, 0x00, 0xA5, 0xF3, 0x01, 0, 0, 0}));
    EXPECT_EQ(Bytes(record.begin() + 32, record.begin() + 36), (Bytes{0xFF, 0, 0, 0}));
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i < 24 || i >= 36) {
            EXPECT_EQ(record[i], 0) << "at " << i;
        }
    }
}

// The list view reports at most 254 units; a shell that says otherwise is
// held to the text area.
TEST(ListViewRecords, TextsAreTakenUpToTheReportedLengthOrTheirFirstZero) {
    const Bytes area = {'A', 0, 0x16, 0x04, 0x3D, 0xD8, 0x00, 0xDE, 0, 0, 'x', 0};
    EXPECT_EQ(ItemText(area.data(), 4), u"AЖ😀");
    EXPECT_EQ(ItemText(area.data(), 3), std::u16string(u"AЖ\xD83D", 3));
    EXPECT_EQ(ItemText(area.data(), 6), u"AЖ😀");
    EXPECT_EQ(ItemText(area.data(), 0), u"");
    EXPECT_EQ(ReportedTextLength(-1), 0u);
    EXPECT_EQ(ReportedTextLength(12), 12u);
    EXPECT_EQ(ReportedTextLength(254), 254u);
    EXPECT_EQ(ReportedTextLength(100000), 254u);
}

TEST(ListViewRecords, PositionsArePackedAsTwoSixteenBitHalves) {
    EXPECT_EQ(PackedPosition(0, 0), 0u);
    EXPECT_EQ(PackedPosition(100, 200), 0x00C80064u);
    EXPECT_EQ(PackedPosition(-1, -2), 0xFFFEFFFFu);
    EXPECT_EQ(PackedPosition(32767, -32768), 0x80007FFFu);
    EXPECT_EQ(PackedPosition(70000, 65536), 0x00001170u);
}

TEST(ListViewRecords, TheLayoutFollowsThePointerWidth) {
    EXPECT_EQ(&ListViewLayoutFor(32), &kListView32);
    EXPECT_EQ(&ListViewLayoutFor(64), &kListView64);
}

} // namespace
} // namespace vevove
