// The shell's list view: its answers to the list-view messages, whose records
// it reads from the shell's memory in the layout of the shell's pointers.
#include "FakeDesktop.h"

#include <cstring>
#include <utility>

namespace vevove::fake {

namespace {

constexpr std::uint32_t kGetItemCount = 0x1004;
constexpr std::uint32_t kSetItemPosition = 0x100F;
constexpr std::uint32_t kGetItemPosition = 0x1010;
constexpr std::uint32_t kGetItemTextW = 0x1073;
constexpr std::uint32_t kTextFlag = 0x0001; // LVIF_TEXT

std::uint32_t Dword(const std::vector<std::uint8_t>& record, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

} // namespace

// The list view's own access to the shell's memory: what misses every block
// goes astray.
std::uint8_t* FakeDesktop::ShellBytes(RemoteAddress at, std::uint64_t count) {
    std::uint8_t* bytes = BlockBytes(at, count);
    strayAccesses += bytes == nullptr ? 1 : 0;
    return bytes;
}

std::vector<std::uint8_t> FakeDesktop::ShellRecord(RemoteAddress at, std::size_t size) {
    const std::uint8_t* bytes = ShellBytes(at, size);
    return bytes == nullptr ? std::vector<std::uint8_t>{}
                            : std::vector<std::uint8_t>(bytes, bytes + size);
}

RemoteAddress FakeDesktop::PointerAt(const std::vector<std::uint8_t>& record,
                                     std::size_t offset) const {
    RemoteAddress value = 0;
    std::memcpy(&value, record.data() + offset, shellPointerBits / 8);
    return value;
}

// A window that is gone answers nothing; other windows of the desktop answer 0.
std::optional<std::int64_t> FakeDesktop::Send(WindowId window, std::uint32_t message,
                                              std::uint64_t wParam, std::int64_t lParam) {
    if (ProcessId(window) == 0) {
        return std::nullopt;
    }
    if (window != listView) {
        return 0;
    }
    if (failures.Take("Answer")) {
        answering = false;
    }
    if (!answering) {
        unanswered.push_back({message, wParam, lParam});
        return std::nullopt;
    }
    for (const Message& waiting : std::exchange(unanswered, {})) {
        Handle(waiting);
    }
    return Handle({message, wParam, lParam});
}

// With automatic arrangement on, an icon stays where the arrangement keeps it.
std::int64_t FakeDesktop::Handle(const Message& message) {
    const auto at = static_cast<RemoteAddress>(message.lParam);
    if (message.message == kGetItemCount) {
        return static_cast<std::int64_t>(items.size());
    }
    if (message.message == kGetItemTextW) {
        return GetItemText(message.wParam, at);
    }
    if (message.wParam >= items.size()) {
        return 0;
    }
    Item& item = items[message.wParam];
    if (message.message == kGetItemPosition) {
        const std::int32_t position[2] = {item.x, item.y};
        std::uint8_t* point = ShellBytes(at, sizeof position);
        if (point != nullptr) {
            std::memcpy(point, position, sizeof position);
        }
        return point != nullptr ? 1 : 0;
    }
    if (message.message == kSetItemPosition && (style & kAutoArrange) == 0) {
        item.x = static_cast<std::int16_t>(message.lParam & 0xFFFF);
        item.y = static_cast<std::int16_t>((message.lParam >> 16) & 0xFFFF);
        return 1;
    }
    return 0;
}

// LVITEMW: pszText at 20 or 24, cchTextMax (in UTF-16 units) at 24 or 32.
// Like comctl32 the list view writes its own mask and item index into the
// record.
std::int64_t FakeDesktop::GetItemText(std::uint64_t item, RemoteAddress at) {
    const bool wide = shellPointerBits == 64;
    const std::vector<std::uint8_t> record = ShellRecord(at, wide ? 56 : 40);
    if (record.empty()) {
        return 0;
    }
    itemRecords.push_back(record);
    const std::uint32_t capacity = Dword(record, wide ? 32 : 24);
    if (item >= items.size() || capacity == 0) {
        return 0;
    }
    const std::u16string text = items[item].text.substr(0, capacity - 1);
    std::uint8_t* area = ShellBytes(PointerAt(record, wide ? 24 : 20), 2 * (text.size() + 1));
    if (area == nullptr) {
        return 0;
    }
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char16_t unit = i < text.size() ? text[i] : u'\0';
        area[2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
        area[2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
    }
    const std::uint32_t header[2] = {kTextFlag, static_cast<std::uint32_t>(item)};
    std::memcpy(BlockBytes(at, sizeof header), header, sizeof header);
    return static_cast<std::int64_t>(text.size());
}

} // namespace vevove::fake
