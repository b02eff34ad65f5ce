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

std::vector<std::uint8_t> PointRecords(const std::vector<std::int32_t>& xs,
                                       const std::vector<std::int32_t>& ys) {
    std::vector<std::uint8_t> points(kPointSize * xs.size(), 0);
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
        PutLittleEndian(&points[kPointSize * i], static_cast<std::uint32_t>(xs[i]), 4);
        PutLittleEndian(&points[kPointSize * i + 4], static_cast<std::uint32_t>(ys[i]), 4);
    }
    return points;
}

void ReadPoint(const std::uint8_t* at, std::int32_t& x, std::int32_t& y) {
    const auto word = [](const std::uint8_t* bytes) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) |
                                         (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                         (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                         (static_cast<std::uint32_t>(bytes[3]) << 24));
    };
    x = word(at);
    y = word(at + 4);
}

} // namespace vevove
