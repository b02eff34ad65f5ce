// "Save Icons": every desktop icon's position into the registry.
#include "DesktopCalls.h"
#include "Errors.h"
#include "IconCommands.h"
#include "IconPositionsKey.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vevove {

namespace {

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

// Each icon's value name: its label, which layouts saved before know it by.
// Icons whose labels the registry takes for one name ("Report" for both
// Report.docx and Report.pdf with extensions hidden) would share a value, so
// each of them is named after its file name, where the desktop knows it.
std::vector<std::u16string> ValueNames(IconRegistry& registry,
                                       const std::vector<DesktopIcon>& icons) {
    std::vector<std::u16string> names;
    std::unordered_map<std::u16string, int> uses;
    for (const DesktopIcon& icon : icons) {
        names.push_back(icon.label.substr(0, kLongestSavedLabel));
        ++uses[registry.ValueNameForm(names.back())];
    }
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (uses[registry.ValueNameForm(names[at])] > 1 && !icons[at].fileName.empty()) {
            names[at] = icons[at].fileName;
        }
    }
    return names;
}

// Whether some labels would share a value.
bool LabelsShared(IconRegistry& registry, const std::vector<DesktopIcon>& icons) {
    std::unordered_map<std::u16string, int> uses;
    for (const DesktopIcon& icon : icons) {
        if (++uses[registry.ValueNameForm(icon.label.substr(0, kLongestSavedLabel))] > 1) {
            return true;
        }
    }
    return false;
}

// For each value name the first icon's spelling and the last icon's
// position: writing the values in the desktop's order gives the same, as the
// registry keeps a value's first spelling.
std::vector<RegistryValue> NewLayout(IconRegistry& registry, const std::vector<DesktopIcon>& icons,
                                     const std::vector<std::u16string>& names) {
    std::vector<RegistryValue> layout;
    ValuesByForm byForm;
    for (std::size_t at = 0; at < icons.size(); ++at) {
        const auto [found, added] =
            byForm.emplace(registry.ValueNameForm(names[at]), layout.size());
        if (added) {
            layout.push_back({names[at], kRegBinary, {}});
        }
        const PositionBytes point = ToPositionBytes(icons[at].x, icons[at].y);
        layout[found->second].data.assign(point.begin(), point.end());
    }
    return layout;
}

// The new values first, then away with the values of icons that are gone: at
// no moment does the key hold fewer positions than before, and a failure
// leaves it no emptier. A value that already holds its position is left as it
// is, so that saving a layout unchanged writes nothing.
void StoreLayout(IconRegistry& registry, const std::vector<RegistryValue>& layout) {
    const RegistryKey key = RegistryKey::Create(registry, kIconPositionsKey);
    const std::vector<RegistryValue> held = key.Values();
    const ValuesByForm heldByForm = IndexByForm(registry, held);
    for (const RegistryValue& value : layout) {
        const auto found = heldByForm.find(registry.ValueNameForm(value.name));
        if (found == heldByForm.end() || held[found->second].type != value.type ||
            held[found->second].data != value.data) {
            key.Set(value);
        }
    }
    const ValuesByForm layoutByForm = IndexByForm(registry, layout);
    for (const RegistryValue& value : held) {
        if (layoutByForm.count(registry.ValueNameForm(value.name)) == 0) {
            key.Delete(value.name);
        }
    }
}

} // namespace

// Every icon is read, and named, before the key is touched, so a command that
// cannot reach them all leaves the layout saved before as it was. File names
// cost the desktop one more answer per icon, so they are read only where
// labels are shared, in a second read that replaces the first whole.
bool SaveIcons(Desktop& desktop) {
    std::optional<DesktopRead> read = ReadIcons(desktop.icons, {true, false});
    if (read && LabelsShared(desktop.registry, read->icons)) {
        read = ReadIcons(desktop.icons, {true, true});
    }
    if (!read) {
        return false;
    }
    const std::vector<std::u16string> names = ValueNames(desktop.registry, read->icons);
    StoreLayout(desktop.registry, NewLayout(desktop.registry, read->icons, names));
    return true;
}

} // namespace vevove
