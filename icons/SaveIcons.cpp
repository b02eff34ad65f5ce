// "Save Icons": every desktop icon's position into the registry.
#include "Errors.h"
#include "IconCommands.h"
#include "IconPositionsKey.h"
#include "IconView.h"

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
std::vector<std::u16string> ValueNames(IconRegistry& registry, DesktopIconView& view,
                                       const std::vector<DesktopIcon>& icons) {
    std::vector<std::u16string> names;
    std::unordered_map<std::u16string, int> uses;
    for (const DesktopIcon& icon : icons) {
        names.push_back(icon.label.substr(0, kLongestSavedLabel));
        ++uses[registry.ValueNameForm(names.back())];
    }
    std::vector<std::size_t> shared;
    for (std::size_t at = 0; at < names.size(); ++at) {
        if (uses[registry.ValueNameForm(names[at])] > 1) {
            shared.push_back(at);
        }
    }
    if (shared.empty()) {
        return names;
    }
    std::vector<std::u16string> fileNames;
    Check(view.FileNames(shared, fileNames));
    for (std::size_t at = 0; at < shared.size() && at < fileNames.size(); ++at) {
        if (!fileNames[at].empty()) {
            names[shared[at]] = fileNames[at];
        }
    }
    return names;
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
// cannot reach them all leaves the layout saved before as it was.
bool SaveIcons(Desktop& desktop) {
    bool found = false;
    const std::unique_ptr<DesktopIconView> view = OpenIconView(desktop.icons, found);
    if (view == nullptr) {
        return found;
    }
    std::vector<DesktopIcon> icons;
    Check(view->Icons(IconParts::LabelsAndPositions, icons));
    const std::vector<std::u16string> names = ValueNames(desktop.registry, *view, icons);
    StoreLayout(desktop.registry, NewLayout(desktop.registry, icons, names));
    return true;
}

} // namespace vevove
