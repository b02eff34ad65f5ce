// "Restore Icons": every saved icon back to its position.
#include "Errors.h"
#include "IconCommands.h"
#include "IconPositionsKey.h"
#include "ListViewItems.h"
#include "ScopeGuard.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vevove {

namespace {

struct SavedPosition {
    std::u16string name;
    std::uint32_t packed = 0;
};

struct Move {
    std::uint64_t item = 0;
    std::uint32_t packed = 0;
};

std::int32_t LittleEndian32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
        (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24));
}

// Only 8-byte REG_BINARY values are saved positions, in enumeration order.
std::vector<SavedPosition> ReadSavedPositions(IconRegistry& registry) {
    RegistryKeyId key = 0;
    if (!registry.OpenKey(kIconPositionsKey, key)) {
        return {};
    }
    const ScopeGuard closeKey([&] { registry.CloseKey(key); });
    std::vector<SavedPosition> saved;
    for (const RegistryValue& value : registry.Values(key)) {
        if (value.type == kRegBinary && value.data.size() == kIconPositionSize) {
            const std::uint8_t* point = value.data.data();
            saved.push_back(
                {value.name, PackedPosition(LittleEndian32(point), LittleEndian32(point + 4))});
        }
    }
    return saved;
}

std::string SearchKeyOf(ShellWindows& windows, const std::u16string& text) {
    std::string key;
    if (const auto failure = windows.SearchKey(text, key)) {
        RaiseSystemError(*failure);
    }
    return key;
}

// Each name is matched here as the list view's own search would match it,
// which scans the items from the first on each search: of items the search
// takes for the same, the first is kept. A value whose name no icon bears
// moves nothing; each value moves at most one icon.
std::vector<Move> MovesFor(ShellListView& listView, const std::vector<SavedPosition>& saved) {
    std::unordered_map<std::string, std::uint64_t> firstItems;
    std::uint64_t index = 0;
    for (const ListViewItem& item : ReadListViewItems(listView, ItemParts::Texts)) {
        firstItems.emplace(SearchKeyOf(listView.windows(), item.text), index++);
    }
    std::vector<Move> moves;
    for (const SavedPosition& position : saved) {
        const auto found = firstItems.find(SearchKeyOf(listView.windows(), position.name));
        if (found != firstItems.end()) {
            moves.push_back({found->second, position.packed});
        }
    }
    return moves;
}

// Automatic arrangement would undo every move, so it is off while the icons
// move. Setting the style waits for the list view, so it changes only right
// after the list view has answered.
void MoveIcons(ShellListView& listView, const std::vector<Move>& moves) {
    if (moves.empty()) {
        return;
    }
    const std::int32_t style = listView.windows().Style(listView.window());
    if ((style & kLvsAutoArrange) != 0) {
        listView.SetStyleUntilPutBack(style & ~kLvsAutoArrange, style);
    }
    for (const Move& move : moves) {
        listView.Send(kLvmSetItemPosition, move.item, move.packed);
    }
    listView.PutStyleBack();
}

} // namespace

void RestoreIcons(Desktop& desktop) {
    WalkDesktopListView(desktop, [&](ShellListView& listView) {
        const std::vector<SavedPosition> saved = ReadSavedPositions(desktop.registry);
        if (!saved.empty()) {
            MoveIcons(listView, MovesFor(listView, saved));
        }
    });
}

} // namespace vevove
