#include "ListViewRecords.h"

#include <algorithm>

namespace vevove {

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

std::vector<std::uint8_t> ItemTextRecord(const ListViewLayout& layout, RemoteAddress slot) {
    std::vector<std::uint8_t> record(layout.itemSize, 0);
    PutLittleEndian(&record[layout.itemTextOffset], slot + layout.textArea, layout.pointerBits / 8);
    PutLittleEndian(&record[layout.itemTextMaxOffset], kItemTextCapacity, 4);
    return record;
}

std::uint32_t ReportedTextLength(std::int64_t reported) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(reported, 0, kItemTextCapacity - 1));
}

std::u16string ItemText(const std::uint8_t* area, std::uint32_t length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) {
        const auto unit = static_cast<char16_t>(area[2 * i] | (area[2 * i + 1] << 8));
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

std::uint32_t PackedPosition(std::int32_t x, std::int32_t y) {
    return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
           ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}

} // namespace vevove
