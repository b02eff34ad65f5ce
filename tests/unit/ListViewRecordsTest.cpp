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

// The block lies at 0x00A30000 in a 32-bit shell; pszText points behind the
// record and the 8-byte point area.
TEST(ListViewRecords, The32BitItemRecordIsFortyBytes) {
    const Bytes expected = {
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // mask..stateMask
        0x30, 0x00, 0xA3, 0x00,                                                 // pszText
        0xFF, 0,    0,    0,                                                    // cchTextMax
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, // iImage, lParam, iIndent
    };
    EXPECT_EQ(ItemTextRecord(kListView32, 0x00A30000), expected);
}

// LVM_SETITEMPOSITION32's points in full 32 bits, far beyond what 16 bits
// hold, and back.
TEST(ListViewRecords, PointsKeepAllThirtyTwoBits) {
    const Bytes points = PointRecords({40000, -1}, {-70000, 2147483647});
    EXPECT_EQ(points, (Bytes{0x40, 0x9C, 0x00, 0x00, 0x90, 0xEE, 0xFE, 0xFF, //
                             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
    std::int32_t x = 0;
    std::int32_t y = 0;
    ReadPoint(points.data() + 8, x, y);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, 2147483647);
    ReadPoint(points.data(), x, y);
    EXPECT_EQ(x, 40000);
    EXPECT_EQ(y, -70000);
}

TEST(ListViewRecords, TheLayoutFollowsThePointerWidth) {
    EXPECT_EQ(&ListViewLayoutFor(32), &kListView32);
    EXPECT_EQ(&ListViewLayoutFor(64), &kListView64);
}

} // namespace
} // namespace vevove
