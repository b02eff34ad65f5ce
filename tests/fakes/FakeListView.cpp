#include "tests/fakes/FakeListView.h"

#include "tests/fakes/FakeCodePage.h"

#include <algorithm>
#include <cstring>

namespace vevove::fake {

namespace {

constexpr std::uint32_t kGetItemCount = 0x1004;
constexpr std::uint32_t kFindItemA = 0x100D;
constexpr std::uint32_t kSetItemPosition = 0x100F;
constexpr std::uint32_t kGetItemPosition = 0x1010;
constexpr std::uint32_t kGetItemTextA = 0x102D;
constexpr std::uint32_t kFindByString = 0x0002;
constexpr std::uint32_t kTextFlag = 0x0001; // LVIF_TEXT

std::uint32_t Dword(const std::vector<std::uint8_t>& record, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

} // namespace

void FakeListView::add(const std::string& text, std::int32_t x, std::int32_t y) {
    items.push_back(Item{text, x, y});
}

RemoteAddress FakeListView::pointerAt(const std::vector<std::uint8_t>& record,
                                      std::size_t offset) const {
    RemoteAddress value = 0;
    std::memcpy(&value, record.data() + offset, process_.pointerBits / 8);
    return value;
}

std::int64_t FakeListView::message(std::uint32_t number, std::uint64_t wParam,
                                   std::int64_t lParam) {
    const auto address = static_cast<RemoteAddress>(lParam);
    switch (number) {
    case kGetItemCount:
        return static_cast<std::int64_t>(items.size());
    case kGetItemTextA:
        return getItemText(wParam, address);
    case kGetItemPosition:
        return getItemPosition(wParam, address);
    case kFindItemA:
        return findItem(static_cast<std::int64_t>(wParam), address);
    case kSetItemPosition:
        return setItemPosition(wParam, lParam);
    default:
        return 0;
    }
}

// LVITEMA: pszText at 20 or 24, cchTextMax at 24 or 32. Like comctl32 it
// writes its own mask and item index into the record.
std::int64_t FakeListView::getItemText(std::uint64_t item, RemoteAddress record) {
    const bool wide = process_.pointerBits == 64;
    std::vector<std::uint8_t> bytes(wide ? 56 : 40);
    if (!process_.read(record, bytes.data(), static_cast<std::uint32_t>(bytes.size()))) {
        ++process_.strayAccesses;
        return 0;
    }
    itemRecords.push_back(bytes);
    if (item >= items.size()) {
        return 0;
    }
    const RemoteAddress text = pointerAt(bytes, wide ? 24 : 20);
    const std::uint32_t capacity = Dword(bytes, wide ? 32 : 24);
    if (capacity == 0) {
        return 0;
    }
    std::string copied = items[item].text.substr(0, capacity - 1);
    if (!process_.write(text, copied.c_str(), static_cast<std::uint32_t>(copied.size() + 1))) {
        ++process_.strayAccesses;
        return 0;
    }
    const std::uint32_t header[2] = {kTextFlag, static_cast<std::uint32_t>(item)};
    process_.write(record, header, sizeof header);
    return static_cast<std::int64_t>(copied.size());
}

std::int64_t FakeListView::getItemPosition(std::uint64_t item, RemoteAddress point) {
    if (item >= items.size()) {
        return 0;
    }
    const std::int32_t position[2] = {items[item].x, items[item].y};
    if (!process_.write(point, position, sizeof position)) {
        ++process_.strayAccesses;
        return 0;
    }
    return 1;
}

// LVFINDINFOA: flags at 0, psz at 4 or 8; the search compares texts without
// regard to case and starts after the given item.
std::int64_t FakeListView::findItem(std::int64_t after, RemoteAddress record) {
    const bool wide = process_.pointerBits == 64;
    std::vector<std::uint8_t> bytes(wide ? 40 : 24);
    std::string name;
    if (!process_.read(record, bytes.data(), static_cast<std::uint32_t>(bytes.size())) ||
        !process_.readText(pointerAt(bytes, wide ? 8 : 4), name)) {
        ++process_.strayAccesses;
        return -1;
    }
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.push_back(0);
    findRecords.push_back(bytes);
    if ((Dword(bytes, 0) & kFindByString) == 0) {
        return -1;
    }
    for (std::size_t i = static_cast<std::size_t>(std::max<std::int64_t>(after + 1, 0));
         i < items.size(); ++i) {
        if (AsciiLower(items[i].text) == AsciiLower(name)) {
            return static_cast<std::int64_t>(i);
        }
    }
    return -1;
}

std::int64_t FakeListView::setItemPosition(std::uint64_t item, std::int64_t packed) {
    if (item >= items.size()) {
        return 0;
    }
    if ((style & kAutoArrange) != 0) {
        ++movesWhileArranged;
        return 1;
    }
    const auto bits = static_cast<std::uint32_t>(packed);
    items[item].x = static_cast<std::int16_t>(bits & 0xFFFF);
    items[item].y = static_cast<std::int16_t>(bits >> 16);
    return 1;
}

} // namespace vevove::fake
