#include "IconNames.h"

#include "IconPositionsKey.h"

#include <string>
#include <unordered_map>

namespace vevove {

namespace {

// Each icon's value name: its label, which layouts saved before know it by.
// Icons whose labels the registry takes for one name ("Report" for both
// Report.docx and Report.pdf with extensions hidden) would share a value, so
// each of them is named after its file name, where the desktop knows it.
std::vector<std::u16string> ValueNames(UserRegistry& registry,
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

} // namespace

bool LabelsShared(UserRegistry& registry, const std::vector<DesktopIcon>& icons) {
    std::unordered_map<std::u16string, int> uses;
    for (const DesktopIcon& icon : icons) {
        if (++uses[registry.ValueNameForm(icon.label.substr(0, kLongestSavedLabel))] > 1) {
            return true;
        }
    }
    return false;
}

// Writing the values in the desktop's order gives the same, as the registry
// keeps a value's first spelling.
Layout LayoutOf(UserRegistry& registry, const std::vector<DesktopIcon>& icons) {
    const std::vector<std::u16string> names = ValueNames(registry, icons);
    Layout layout;
    std::unordered_map<std::u16string, std::size_t> byForm;
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

} // namespace vevove
