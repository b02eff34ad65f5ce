// The records that reach the desktop's list view in the shell's process,
// laid out as the shell reads them. The block holds a row of slots, one
// item's each: LVITEMW (up to iIndent) with 32-bit or 64-bit pointers, the
// area for the item's position and the area for its text. Moves use the
// block as a row of points.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vevove {

using RemoteAddress = std::uint64_t; // an address in the shell's process

constexpr std::uint32_t kLvmGetItemCount = 0x1004;
constexpr std::uint32_t kLvmGetItemPosition = 0x1010;
constexpr std::uint32_t kLvmSetItemPosition32 = 0x1031;
constexpr std::uint32_t kLvmGetItemTextW = 0x1073;
constexpr std::int32_t kLvsAutoArrange = 0x0100;

// UTF-16 code units in an icon's text area, terminating zero included: texts
// are read up to 254 units, as many bytes as the 8-bit texts had before.
constexpr std::uint32_t kItemTextCapacity = 255;
// One block serves a whole command, and its slots serve the items in turns.
constexpr std::uint32_t kRemoteBlockSize = 4095;
constexpr std::uint32_t kItemSlots = 7;

struct ListViewLayout {
    int pointerBits;
    std::uint32_t itemSize;          // LVITEMW up to iIndent
    std::uint32_t itemTextOffset;    // pszText
    std::uint32_t itemTextMaxOffset; // cchTextMax
    std::uint32_t pointArea;         // 8 bytes: x, then y
    std::uint32_t textArea;          // kItemTextCapacity code units
    std::uint32_t slotSize;          // the next slot's record aligned for its pointer
};

// 64-bit records align their pointers to 8 bytes, and each record's size to
// its widest field.
inline constexpr ListViewLayout kListView32 = {32, 40, 20, 24, 40, 48, 560};
inline constexpr ListViewLayout kListView64 = {64, 56, 24, 32, 56, 64, 576};

static_assert(kListView32.textArea + 2 * kItemTextCapacity <= kListView32.slotSize);
static_assert(kListView64.textArea + 2 * kItemTextCapacity <= kListView64.slotSize);
static_assert(kItemSlots * kListView64.slotSize <= kRemoteBlockSize);

// The layout a process with pointers of that width reads.
const ListViewLayout& ListViewLayoutFor(int pointerBits);

// The item record for LVM_GETITEMTEXTW of the slot at `slot`: all zero but
// pszText, which points at the slot's text area, and cchTextMax.
std::vector<std::uint8_t> ItemTextRecord(const ListViewLayout& layout, RemoteAddress slot);

// The length of the text that LVM_GETITEMTEXTW reports, held to the text
// area whatever the list view says.
std::uint32_t ReportedTextLength(std::int64_t reported);
// The text of `length` code units, little-endian, at `area`, up to its first
// zero.
std::u16string ItemText(const std::uint8_t* area, std::uint32_t length);

// A POINT: x, then y, each 32 bits, little-endian; LVM_SETITEMPOSITION32
// takes its address.
constexpr std::uint32_t kPointSize = 8;
std::vector<std::uint8_t> PointRecords(const std::vector<std::int32_t>& xs,
                                       const std::vector<std::int32_t>& ys);
// The point at `at`.
void ReadPoint(const std::uint8_t* at, std::int32_t& x, std::int32_t& y);

} // namespace vevove
