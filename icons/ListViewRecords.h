// The records that the icon commands place in the shell's process for the
// list-view messages, laid out as the shell reads them: LVITEMA (up to
// iIndent) and LVFINDINFOA with 32-bit or 64-bit pointers, each followed
// directly by its text.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <vector>

namespace vevove {

constexpr std::uint32_t kLvmGetItemCount = 0x1004;
constexpr std::uint32_t kLvmFindItemA = 0x100D;
constexpr std::uint32_t kLvmSetItemPosition = 0x100F;
constexpr std::uint32_t kLvmGetItemPosition = 0x1010;
constexpr std::uint32_t kLvmGetItemTextA = 0x102D;
constexpr std::uint32_t kLvfiString = 0x0002;
constexpr std::int32_t kLvsAutoArrange = 0x0100;
constexpr int kGwlStyle = -16;

// Bytes in an icon's text area, terminating zero included.
constexpr std::uint32_t kItemTextCapacity = 255;
// Bytes for a value name: what the registry is offered, and one more.
constexpr std::uint32_t kValueNameCapacity = 260;
constexpr std::uint32_t kFindNameArea = kValueNameCapacity + 1;
// One block serves a whole command.
constexpr std::uint32_t kRemoteBlockSize = 4095;

struct ListViewLayout {
    int pointerBits;
    std::uint32_t itemSize;          // LVITEMA up to iIndent, then the text area
    std::uint32_t itemTextOffset;    // pszText
    std::uint32_t itemTextMaxOffset; // cchTextMax
    std::uint32_t findSize;          // LVFINDINFOA, then the name
    std::uint32_t findNameOffset;    // psz
};

extern const ListViewLayout kListView32;
extern const ListViewLayout kListView64;

// The layout a process with pointers of that width reads.
const ListViewLayout& ListViewLayoutFor(int pointerBits);

// The item record for LVM_GETITEMTEXTA at `block`: all zero but pszText,
// which points at the text area right behind it, and cchTextMax.
std::vector<std::uint8_t> ItemTextRecord(const ListViewLayout& layout, RemoteAddress block);

// The search record for LVM_FINDITEMA at `block`, by text, the name right
// behind it: written over the start of `area`, which holds
// layout.findSize + kFindNameArea bytes.
void PutFindRecord(const ListViewLayout& layout, RemoteAddress block, std::uint8_t* area);

// LVM_SETITEMPOSITION's position: the low 16 bits of x, then those of y.
std::uint32_t PackedPosition(std::int32_t x, std::int32_t y);

} // namespace vevove
