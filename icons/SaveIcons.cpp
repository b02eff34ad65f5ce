// "Save Icons": every desktop icon's text and position into the registry.
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

void Check(const std::optional<SystemFailure>& failure) {
    if (failure) {
        RaiseSystemError(*failure);
    }
}

// Values by the form in which the registry compares their names: where each
// lies in its list.
using ValuesByForm = std::unordered_map<std::u16string, std::size_t>;

ValuesByForm IndexByForm(IconRegistry& registry, const std::vector<RegistryValue>& values) {
    ValuesByForm index;
    for (std::size_t at = 0; at < values.size(); ++at) {
        index.emplace(registry.ValueNameForm(values[at].name), at);
    }
    return index;
}

// For each value name the first icon's text and the last icon's position:
// writing the values in item order gives the same, as the registry keeps a
// value's first spelling.
std::vector<RegistryValue> NewLayout(IconRegistry& registry,
                                     const std::vector<ListViewItem>& icons) {
    std::vector<RegistryValue> layout;
    ValuesByForm byForm;
    for (const ListViewItem& icon : icons) {
        const auto [at, added] = byForm.emplace(registry.ValueNameForm(icon.text), layout.size());
        if (added) {
            layout.push_back({icon.text, kRegBinary, {}});
        }
        layout[at->second].data.assign(icon.point.begin(), icon.point.end());
    }
    return layout;
}

// The new values first, then away with the values of icons that are gone: at
// no moment does the key hold fewer positions than before, and a failure
// leaves it no emptier. A value that already holds its position is left as it
// is, so that saving a layout unchanged writes nothing.
void StoreIconPositions(IconRegistry& registry, const std::vector<ListViewItem>& icons) {
    RegistryKeyId key = 0;
    Check(registry.CreateKey(kIconPositionsKey, key));
    const ScopeGuard closeKey([&] { registry.CloseKey(key); });
    const std::vector<RegistryValue> held = registry.Values(key);
    const std::vector<RegistryValue> layout = NewLayout(registry, icons);
    const ValuesByForm heldByForm = IndexByForm(registry, held);
    for (const RegistryValue& value : layout) {
        const auto found = heldByForm.find(registry.ValueNameForm(value.name));
        if (found == heldByForm.end() || held[found->second].type != value.type ||
            held[found->second].data != value.data) {
            Check(registry.SetValue(key, value));
        }
    }
    const ValuesByForm layoutByForm = IndexByForm(registry, layout);
    for (const RegistryValue& value : held) {
        if (layoutByForm.count(registry.ValueNameForm(value.name)) == 0) {
            Check(registry.DeleteValue(key, value.name));
        }
    }
}

} // namespace

// Every icon is read before the key is touched, so a command that cannot read
// them all leaves the layout saved before as it was.
void SaveIcons(Desktop& desktop) {
    WalkDesktopListView(desktop, [&](ShellListView& listView) {
        StoreIconPositions(desktop.registry,
                           ReadListViewItems(listView, ItemParts::TextsAndPositions));
    });
}

} // namespace vevove
