// "Restore Icons": every saved icon back to its position.
#include "IconCommands.h"
#include "IconPositionsKey.h"
#include "IconView.h"

#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vevove {

namespace {

struct SavedPosition {
    std::string key; // the value name's match key
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Only 8-byte REG_BINARY values are saved positions, in enumeration order.
std::vector<SavedPosition> ReadSavedPositions(Desktop& desktop) {
    std::vector<SavedPosition> saved;
    for (const RegistryValue& value :
         RegistryKey::Open(desktop.registry, kIconPositionsKey).Values()) {
        if (value.type == kRegBinary && value.data.size() == kIconPositionSize) {
            const std::uint8_t* point = value.data.data();
            saved.push_back({MatchKeyOf(desktop.icons, value.name), LittleEndian32(point),
                             LittleEndian32(point + 4)});
        }
    }
    return saved;
}

// Where each icon is to go, by its place in the desktop's order.
using Targets = std::map<std::size_t, IconMove>;

// A save names an icon after its file name where its label is shared, and a
// value under a label that no icon bears now may have been such a name: those
// icons are looked up by their file names first, each of which names one icon
// alone. The icon found so is no longer looked up by its label.
void PlaceByFileName(Desktop& desktop, DesktopIconView& view,
                     const std::vector<std::string>& labelKeys,
                     const std::vector<SavedPosition>& saved, Targets& targets,
                     std::unordered_set<std::string>& usedValues) {
    std::unordered_map<std::string, int> labelUses;
    for (const std::string& key : labelKeys) {
        ++labelUses[key];
    }
    std::unordered_set<std::string> savedKeys;
    for (const SavedPosition& position : saved) {
        savedKeys.insert(position.key);
    }
    std::vector<std::size_t> asked;
    for (std::size_t at = 0; at < labelKeys.size(); ++at) {
        if (labelUses[labelKeys[at]] > 1 || savedKeys.count(labelKeys[at]) == 0) {
            asked.push_back(at);
        }
    }
    if (asked.empty()) {
        return;
    }
    std::vector<std::u16string> fileNames;
    Check(view.FileNames(asked, fileNames));
    std::unordered_map<std::string, std::size_t> byFileName;
    for (std::size_t at = 0; at < asked.size() && at < fileNames.size(); ++at) {
        if (!fileNames[at].empty()) {
            byFileName.emplace(MatchKeyOf(desktop.icons, fileNames[at]), asked[at]);
        }
    }
    for (const SavedPosition& position : saved) {
        const auto found = byFileName.find(position.key);
        if (found != byFileName.end()) {
            targets[found->second] = {found->second, position.x, position.y};
            usedValues.insert(position.key);
        }
    }
}

// Each other value moves the first icon, in the desktop's order, whose label
// matches its name, as the list view's own search finds it; of several values
// for one icon, the last decides, as if each had moved it in turn.
void PlaceByLabel(const std::vector<std::string>& labelKeys,
                  const std::vector<SavedPosition>& saved,
                  const std::unordered_set<std::string>& usedValues, Targets& targets) {
    std::unordered_map<std::string, std::size_t> firstByLabel;
    for (std::size_t at = 0; at < labelKeys.size(); ++at) {
        if (targets.count(at) == 0) {
            firstByLabel.emplace(labelKeys[at], at);
        }
    }
    for (const SavedPosition& position : saved) {
        const auto found = firstByLabel.find(position.key);
        if (found != firstByLabel.end() && usedValues.count(position.key) == 0) {
            targets[found->second] = {found->second, position.x, position.y};
        }
    }
}

// Automatic arrangement would undo every move, so it is off while the icons
// move, and then that setting alone is put back. With "Align icons to grid"
// the desktop pushes an icon out of a cell another still holds, so all of
// them move in one step.
void MoveIcons(DesktopIconView& view, const std::vector<IconMove>& moves) {
    bool arranged = false;
    Check(view.AutoArrange(arranged));
    if (arranged) {
        Check(view.SetAutoArrange(false));
    }
    const DesktopResult moved = view.Move(moves);
    if (arranged) {
        const DesktopResult putBack = view.SetAutoArrange(true);
        Check(moved);
        Check(putBack);
    }
    Check(moved);
}

} // namespace

bool RestoreIcons(Desktop& desktop) {
    bool found = false;
    const std::unique_ptr<DesktopIconView> view = OpenIconView(desktop.icons, found);
    if (view == nullptr) {
        return found;
    }
    const std::vector<SavedPosition> saved = ReadSavedPositions(desktop);
    if (saved.empty()) {
        return true;
    }
    std::vector<DesktopIcon> icons;
    Check(view->Icons(IconParts::Labels, icons));
    std::vector<std::string> labelKeys;
    labelKeys.reserve(icons.size());
    for (const DesktopIcon& icon : icons) {
        labelKeys.push_back(MatchKeyOf(desktop.icons, icon.label.substr(0, kLongestSavedLabel)));
    }
    Targets targets;
    std::unordered_set<std::string> usedValues;
    PlaceByFileName(desktop, *view, labelKeys, saved, targets, usedValues);
    PlaceByLabel(labelKeys, saved, usedValues, targets);
    std::vector<IconMove> moves;
    moves.reserve(targets.size());
    for (const auto& [icon, move] : targets) {
        moves.push_back(move);
    }
    if (!moves.empty()) {
        MoveIcons(*view, moves);
    }
    return true;
}

} // namespace vevove
