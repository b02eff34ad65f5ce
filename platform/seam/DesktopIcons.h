// The desktop's icons as the icon logic uses them, whichever way the desktop
// serves them (its folder view, or the list view in the shell's process):
// two tasks, reading the icons and placing them.
#pragma once

#include "Errors.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vevove {

struct DesktopIcon {
    std::u16string label;    // the text under the icon, as the desktop shows it
    std::u16string fileName; // its name in its folder, where asked for and known
    std::int32_t x = 0;      // where it lies in the view, where asked for
    std::int32_t y = 0;
    bool positionRead = true; // false where the view did not give it
};

inline bool operator==(const DesktopIcon& a, const DesktopIcon& b) {
    return a.label == b.label && a.fileName == b.fileName && a.x == b.x && a.y == b.y &&
           a.positionRead == b.positionRead;
}

// What a read asks for besides the labels.
struct IconParts {
    bool positions = false;
    bool fileNames = false;
};

// What a read found.
struct DesktopRead {
    // Every icon, in the desktop's order.
    std::vector<DesktopIcon> icons;
    // False while the system's shell windows do not yet find the desktop (a
    // shell still starting): icons read meanwhile come through the list view,
    // whose places such a shell forgets.
    bool shellReady = true;
};

// Icon `icon` (its place in the last read's list) to x, y.
struct IconMove {
    std::size_t icon = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Why the desktop gave no result.
struct DesktopFailure {
    enum class Kind {
        NoDesktop,    // no desktop holds icons that could be reached
        NotAnswering, // no answer within about two seconds
        Restarted,    // the shell restarted since the last read: read again
        System,       // a call failed: `failure` says which way
        WiderShell,   // the shell's pointers are wider than this program's
    };
    Kind kind = Kind::System;
    SystemFailure failure;
};
using DesktopResult = std::optional<DesktopFailure>;

class DesktopIcons {
  public:
    virtual ~DesktopIcons() = default;

    // Every icon with the parts asked for. The places of a later Place refer
    // to this read.
    virtual DesktopResult Read(IconParts parts, DesktopRead& read) = 0;
    // Moves the icons in one step. Automatic arrangement is off while they
    // move, and then that setting alone is put back: also when the move
    // fails, and when the desktop stops answering, as soon as it answers
    // again.
    virtual DesktopResult Place(const std::vector<IconMove>& moves) = 0;
};

} // namespace vevove
