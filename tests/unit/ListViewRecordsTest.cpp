#include "icons/ListViewRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vevove {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ListViewRecords, The32BitItemRecordIsFortyBytesWithTheTextRightBehind) {
    const Bytes expected = {
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // mask..stateMask
        0x28, 0x00, 0xA3, 0x00,                                                 // pszText
        0xFF, 0,    0,    0,                                                    // cchTextMax
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, // iImage, lParam, iIndent
    };
    EXPECT_EQ(ItemTextRecord(kListView32, 0x00A30000), expected);
}

TEST(ListViewRecords, The64BitItemRecordAlignsItsPointer) {
    const Bytes record = ItemTextRecord(kListView64, 0x1F3A50000ull);
    ASSERT_EQ(record.size(), 56u);
    const Bytes pointer(record.begin() + 24, record.begin() + 32);
    EXPECT_EQ(pointer, (Bytes{0x38, 0x00, 0xA5, 0xF3, 0x01, 0, 0, 0}));
    EXPECT_EQ(Bytes(record.begin() + 32, record.begin() + 36), (Bytes{0xFF, 0, 0, 0}));
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i < 24 || i >= 36) {
            EXPECT_EQ(record[i], 0) << "at " << i;
        }
    }
}

TEST(ListViewRecords, The32BitSearchRecordIsTwentyFourBytes) {
    Bytes area(24 + 261, 0xCC);
    PutFindRecord(kListView32, 0x00A30000, area.data());
    const Bytes expected = {2, 0, 0, 0, 0x18, 0x00, 0xA3, 0x00, 0, 0, 0, 0,
                            0, 0, 0, 0, 0,    0,    0,    0,    0, 0, 0, 0};
    EXPECT_EQ(Bytes(area.begin(), area.begin() + 24), expected);
    EXPECT_EQ(area[24], 0xCC);
}

TEST(ListViewRecords, The64BitSearchRecordIsFortyBytes) {
    Bytes area(40 + 261, 0xCC);
    PutFindRecord(kListView64, 0x1F3A50000ull, area.data());
    Bytes expected(40, 0);
    expected[0] = 2;
    const Bytes pointer = {0x28, 0x00, 0xA5, 0xF3, 0x01, 0, 0, 0};
    std::copy(pointer.begin(), pointer.end(), expected.begin() + 8);
    EXPECT_EQ(Bytes(area.begin(), area.begin() + 40), expected);
    EXPECT_EQ(area[40], 0xCC);
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
    // Both layouts fit the block with room to spare.
    EXPECT_LE(kListView64.itemSize + kItemTextCapacity, kRemoteBlockSize);
    EXPECT_LE(kListView64.findSize + kFindNameArea, kRemoteBlockSize);
}

} // namespace
} // namespace vevove
