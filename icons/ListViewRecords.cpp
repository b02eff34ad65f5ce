#include "icons/ListViewRecords.h"

#include <cstring>

namespace vevove {

// 64-bit records align their pointers to 8 bytes, and each record's size to
// its widest field.
const ListViewLayout kListView32 = {32, 40, 20, 24, 24, 4};
const ListViewLayout kListView64 = {64, 56, 24, 32, 40, 8};

namespace {

// Little-endian, as both layouts are.
void PutLittleEndian(std::uint8_t* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

const ListViewLayout& ListViewLayoutFor(int pointerBits) {
    return pointerBits == 64 ? kListView64 : kListView32;
}

std::vector<std::uint8_t> ItemTextRecord(const ListViewLayout& layout, RemoteAddress block) {
    std::vector<std::uint8_t> record(layout.itemSize, 0);
    PutLittleEndian(&record[layout.itemTextOffset], block + layout.itemSize,
                    layout.pointerBits / 8);
    PutLittleEndian(&record[layout.itemTextMaxOffset], kItemTextCapacity, 4);
    return record;
}

void PutFindRecord(const ListViewLayout& layout, RemoteAddress block, std::uint8_t* area) {
    std::memset(area, 0, layout.findSize);
    PutLittleEndian(area, kLvfiString, 4);
    PutLittleEndian(area + layout.findNameOffset, block + layout.findSize, layout.pointerBits / 8);
}

std::uint32_t PackedPosition(std::int32_t x, std::int32_t y) {
    return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
           ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}

} // namespace vevove
