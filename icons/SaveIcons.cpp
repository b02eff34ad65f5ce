// "Save Icons": every desktop icon's text and position into the registry.
#include "Errors.h"
#include "IconCommands.h"
#include "IconPositionsKey.h"
#include "ScopeGuard.h"
#include "ShellListView.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>
#include <vector>

namespace vevove {

namespace {

struct IconPosition {
    std::u16string name;
    std::array<std::uint8_t, kIconPositionSize> point{};
};

// One item record, written once, serves every text request. The position
// lands right before the text, so that one copy brings back both; a position
// the list view does not give counts as zeros.
std::vector<IconPosition> ReadIconPositions(ShellListView& listView) {
    const std::int64_t count = listView.Send(kLvmGetItemCount, 0, 0);
    const ListViewLayout& layout = listView.layout();
    RemoteBlock& block = listView.block();
    const std::vector<std::uint8_t> record = ItemTextRecord(layout, block.address());
    block.Write(block.address(), record.data(), layout.itemSize);

    const RemoteAddress pointArea = block.address() + layout.pointArea;
    std::array<std::uint8_t, kIconPositionSize + 2 * kItemTextCapacity> areas{};
    std::vector<IconPosition> icons;
    for (std::int64_t item = 0; item < count; ++item) {
        const auto index = static_cast<std::uint64_t>(item);
        const std::uint32_t length = ReportedTextLength(listView.Send(
            kLvmGetItemTextW, index, static_cast<std::int64_t>(block.address())));
        const bool placed =
            listView.Send(kLvmGetItemPosition, index, static_cast<std::int64_t>(pointArea)) != 0;
        block.Read(pointArea, areas.data(), kIconPositionSize + 2 * (length + 1));
        IconPosition icon;
        icon.name = ItemText(areas.data() + kIconPositionSize, length);
        if (placed) {
            std::copy_n(areas.begin(), kIconPositionSize, icon.point.begin());
        }
        icons.push_back(std::move(icon));
    }
    return icons;
}

void Check(const std::optional<SystemFailure>& failure) {
    if (failure) {
        RaiseSystemError(*failure);
    }
}

// The new values first, then away with the values of icons that are gone: at
// no moment does the key hold fewer positions than before, and a failure
// leaves it no emptier. A later icon overwrites an earlier one whose name the
// registry takes for the same.
void StoreIconPositions(IconRegistry& registry, const std::vector<IconPosition>& icons) {
    RegistryKeyId key = 0;
    Check(registry.CreateKey(kIconPositionsKey, key));
    const ScopeGuard closeKey([&] { registry.CloseKey(key); });
    std::unordered_set<std::u16string> stored;
    for (const IconPosition& icon : icons) {
        Check(registry.SetValue(
            key, RegistryValue{icon.name, kRegBinary, {icon.point.begin(), icon.point.end()}}));
        stored.insert(registry.ValueNameForm(icon.name));
    }
    for (const RegistryValue& value : registry.Values(key)) {
        if (stored.count(registry.ValueNameForm(value.name)) == 0) {
            Check(registry.DeleteValue(key, value.name));
        }
    }
}

} // namespace

// Every icon is read before the key is touched, so a command that cannot read
// them all leaves the layout saved before as it was.
void SaveIcons(Desktop& desktop) {
    WalkDesktopListView(desktop, [&](ShellListView& listView) {
        StoreIconPositions(desktop.registry, ReadIconPositions(listView));
    });
}

} // namespace vevove
