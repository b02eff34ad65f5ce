// The desktop's icons as the icon logic uses them, whichever way the desktop
// serves them: its folder view, or the list view in the shell's process.
#pragma once

#include "Errors.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vevove {

struct DesktopIcon {
    std::u16string label; // the text under the icon, as the desktop shows it
    std::int32_t x = 0;   // where it lies in the view, when asked for
    std::int32_t y = 0;
};

inline bool operator==(const DesktopIcon& a, const DesktopIcon& b) {
    return a.label == b.label && a.x == b.x && a.y == b.y;
}

// Icon `icon` (its place in the list that Icons() gave) to x, y.
struct IconMove {
    std::size_t icon = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Why the desktop gave no result.
struct DesktopFailure {
    enum class Kind {
        NotAnswering, // no answer within about two seconds
        System,       // a call failed: `failure` says which way
        WiderShell,   // the shell's pointers are wider than this program's
        Busy,         // another command of this program is still at the desktop
    };
    Kind kind = Kind::System;
    SystemFailure failure;
};
using DesktopResult = std::optional<DesktopFailure>;

enum class IconParts { Labels, LabelsAndPositions };

// One command's reach to the desktop's icons, on one way for the whole
// command. Every call answers within about two seconds or says that the
// desktop does not answer, and from then on every call says so; what the
// view switched off is then put back by itself once the desktop answers.
class DesktopIconView {
  public:
    virtual ~DesktopIconView() = default;

    // Every icon, in the desktop's order.
    virtual DesktopResult Icons(IconParts parts, std::vector<DesktopIcon>& icons) = 0;
    // The names in their folder of the icons given ("Report.pdf" for the icon
    // labelled "Report"), one for each; empty where the view does not know
    // them.
    virtual DesktopResult FileNames(const std::vector<std::size_t>& icons,
                                    std::vector<std::u16string>& names) = 0;
    // The view's automatic arrangement, and switching it alone on or off.
    virtual DesktopResult AutoArrange(bool& on) = 0;
    virtual DesktopResult SetAutoArrange(bool on) = 0;
    // Moves the icons in one step.
    virtual DesktopResult Move(const std::vector<IconMove>& moves) = 0;
};

class DesktopIcons {
  public:
    virtual ~DesktopIcons() = default;

    // The desktop's icons for one command; no view, and no failure, when no
    // desktop holds icons that could be reached.
    virtual DesktopResult Open(std::unique_ptr<DesktopIconView>& view) = 0;

    // The key under which names of icons match: two names match exactly when
    // their keys are equal (case ignored, in the user's locale, as the list
    // view's own search by text compares).
    virtual std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) = 0;
};

} // namespace vevove
