// "Restore icons automatically": the saved layout goes back by itself after
// the desktop was rebuilt (the display came back to its size, the shell
// restarted), once the desktop has settled.
#pragma once

#include "DesktopIcons.h"
#include "IconCommands.h"
#include "IconRegistry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vevove {

// Milliseconds, from any fixed start.
using TickCount = std::uint64_t;

// Between two looks at the desktop: it has settled when two looks in a row
// see the same icons in the same places.
constexpr TickCount kSettleInterval = 1000;
// From the first event of a burst to the restore at the latest, whether the
// desktop has settled or not; the restore itself takes a moment more.
constexpr TickCount kLongestWait = 8000;

struct AutomaticRestore {
    // Set while a restore is due: the moment it happens at the latest.
    std::optional<TickCount> deadline;
    // The icons at the last look since the latest event; none when the
    // desktop gave none.
    std::optional<std::vector<DesktopIcon>> lastLook;
    // Events so far: a look during which another event came is not one of
    // the new event's looks.
    unsigned events = 0;
};

// The desktop was rebuilt: a restore becomes due. Events that come while one
// is due make it wait for the desktop to settle again, but no longer than
// the first event's deadline.
void NoteDesktopRebuilt(AutomaticRestore& restore, TickCount now);

// Every kSettleInterval while a restore is due: looks at the desktop and
// restores the saved layout once it has settled or the deadline has come.
// Fails quietly: the next event tries again. True while a restore is still
// due.
bool ContinueAutomaticRestore(AutomaticRestore& restore, Desktop& desktop, TickCount now);

// The option, kept per user outside the layout's key, whose value names are
// icon names; off unless it was switched on.
bool RestoresIconsAutomatically(IconRegistry& registry);
// Throws the system error when the registry refuses.
void SetRestoresIconsAutomatically(IconRegistry& registry, bool on);

} // namespace vevove
