// "Restore Icons", its undo and the earlier layouts: every icon of a saved
// layout back to its position.
#include "DesktopCalls.h"
#include "DisplaySetup.h"
#include "IconCommands.h"
#include "IconNames.h"
#include "IconPositionsKey.h"
#include "SavedLayouts.h"

#include <map>
#include <optional>
#include <set>
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

// Only 8-byte REG_BINARY values are saved positions, in the layout's order.
std::vector<SavedPosition> SavedPositionsOf(Desktop& desktop, const Layout& layout) {
    std::vector<SavedPosition> saved;
    for (const RegistryValue& value : layout) {
        if (value.type == kRegBinary && value.data.size() == kIconPositionSize) {
            const std::uint8_t* point = value.data.data();
            saved.push_back({MatchKeyOf(desktop.names, value.name), LittleEndian32(point),
                             LittleEndian32(point + 4)});
        }
    }
    return saved;
}

// Where each icon is to go, by its place in the desktop's order.
using Targets = std::map<std::size_t, IconMove>;

// The icons whose file names may name a value: those whose labels are
// shared, and those whose labels no value bears.
std::vector<std::size_t> AskedByFileName(const std::vector<std::string>& labelKeys,
                                         const std::vector<SavedPosition>& saved) {
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
    return asked;
}

// A save names an icon after its file name where its label is shared, and a
// value under a label that no icon bears now may have been such a name: those
// icons are looked up by their file names first, each of which names one icon
// alone. The icon found so is no longer looked up by its label.
void PlaceByFileName(Desktop& desktop, const std::vector<DesktopIcon>& icons,
                     const std::vector<std::size_t>& asked, const std::vector<SavedPosition>& saved,
                     Targets& targets, std::unordered_set<std::string>& usedValues) {
    std::unordered_map<std::string, std::size_t> byFileName;
    for (const std::size_t at : asked) {
        if (!icons[at].fileName.empty()) {
            byFileName.emplace(MatchKeyOf(desktop.names, icons[at].fileName), at);
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

std::vector<std::string> LabelKeys(Desktop& desktop, const std::vector<DesktopIcon>& icons) {
    std::vector<std::string> keys;
    keys.reserve(icons.size());
    for (const DesktopIcon& icon : icons) {
        keys.push_back(MatchKeyOf(desktop.names, icon.label.substr(0, kLongestSavedLabel)));
    }
    return keys;
}

// Where each saved icon goes, from a read of the desktop; the icons whose
// labels `placed` holds stay out of it.
std::vector<IconMove> MovesFor(Desktop& desktop, DesktopRead& read,
                               const std::vector<SavedPosition>& saved,
                               const std::set<std::u16string>& placed) {
    std::vector<std::string> labelKeys = LabelKeys(desktop, read.icons);
    const std::vector<std::size_t> asked = AskedByFileName(labelKeys, saved);
    if (!asked.empty()) {
        // File names cost one more answer per icon: only where they may
        // name a value, in a read that replaces the first whole.
        std::optional<DesktopRead> named = ReadIcons(desktop.icons, {true, true});
        if (!named) {
            return {};
        }
        read = std::move(*named);
        labelKeys = LabelKeys(desktop, read.icons);
    }
    Targets targets;
    std::unordered_set<std::string> usedValues;
    PlaceByFileName(desktop, read.icons, AskedByFileName(labelKeys, saved), saved, targets,
                    usedValues);
    PlaceByLabel(labelKeys, saved, usedValues, targets);
    std::vector<IconMove> moves;
    moves.reserve(targets.size());
    for (const auto& [icon, move] : targets) {
        if (placed.count(read.icons[icon].label) == 0) {
            moves.push_back(move);
        }
    }
    return moves;
}

// A shell that restarted between the read and the move has other icons: the
// move is repeated once, from a fresh read. Where the icons stood is kept
// before any moves.
bool RestoreLayout(Desktop& desktop, const std::string& setup, const Layout& layout,
                   std::set<std::u16string>& placed) {
    const std::vector<SavedPosition> saved = SavedPositionsOf(desktop, layout);
    for (int attempt = 0;; ++attempt) {
        std::optional<DesktopRead> read = ReadIcons(desktop.icons, {true, false});
        if (!read) {
            return false;
        }
        const std::vector<IconMove> moves =
            saved.empty() ? std::vector<IconMove>{} : MovesFor(desktop, *read, saved, placed);
        if (!moves.empty()) {
            StoreBeforeRestore(desktop.registry, setup, LayoutOf(desktop.registry, read->icons));
        }
        const DesktopResult moved = moves.empty() ? std::nullopt : desktop.icons.Place(moves);
        if (moved && moved->kind == DesktopFailure::Kind::Restarted && attempt == 0) {
            continue;
        }
        Check(moved);
        for (const DesktopIcon& icon : read->icons) {
            placed.insert(icon.label);
        }
        return true;
    }
}

} // namespace

std::string CurrentSetup(Desktop& desktop) {
    return SetupName(desktop.display.Monitors());
}

bool RestoreIcons(Desktop& desktop) {
    const std::string setup = CurrentSetup(desktop);
    std::set<std::u16string> placed;
    return RestoreLayout(desktop, setup, NewestLayout(desktop.registry, setup), placed);
}

bool RestoreIconsNotYetPlaced(Desktop& desktop, std::set<std::u16string>& placed) {
    const std::string setup = CurrentSetup(desktop);
    return RestoreLayout(desktop, setup, LayoutToRestoreByItself(desktop.registry, setup), placed);
}

bool UndoLastRestore(Desktop& desktop) {
    const std::string setup = CurrentSetup(desktop);
    std::set<std::u16string> placed;
    return RestoreLayout(desktop, setup, BeforeLastRestore(desktop.registry, setup), placed);
}

bool RestoreLayoutSavedAt(Desktop& desktop, const std::string& time) {
    const std::string setup = CurrentSetup(desktop);
    std::set<std::u16string> placed;
    return RestoreLayout(desktop, setup, SavedLayout(desktop.registry, setup, time), placed);
}

} // namespace vevove
