// "Restore icons automatically": the saved layout goes back by itself after
// the desktop was rebuilt (the display came back to its size, the shell
// restarted), once the desktop has settled. The rules, driven by the events,
// the results of the looks and restores the program runs for them, and the
// time; the program asks what to do next.
#pragma once

#include "DesktopIcons.h"
#include "UserRegistry.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vevove {

// Milliseconds, from any fixed start.
using TickCount = std::uint64_t;

// Between two looks at the desktop: it has settled when two looks in a row
// see the same icons in the same places.
constexpr TickCount kLookInterval = 1000;
// From the first event of a burst to the restore at the latest, settled or
// not, of a desktop that has icons.
constexpr TickCount kLongestSettle = 8000;
// From the first event of a burst until a desktop that never showed icons is
// given up.
constexpr TickCount kLongestWait = 60000;
// After a restore, icons of the layout that show up only then (a desktop that
// fills slowly at log-on) are still placed for that long.
constexpr TickCount kLateIconsWatch = 30000;
// A restore that fails is tried again at the next looks, up to this often in
// all.
constexpr int kRestoreAttempts = 3;

// One look at the desktop.
struct DesktopLook {
    bool answered = false; // the desktop gave its icons and places
    bool shellReady = false;
    std::vector<DesktopIcon> icons;
};

// What the program is to do now: nothing (no restore is due), wait until a
// moment and ask again, look at the desktop, restore the layout, or place the
// layout's icons that were not there at the restore.
struct AutomaticStep {
    enum class Kind { Nothing, Wait, Look, Restore, PlaceLateIcons };
    Kind kind = Kind::Nothing;
    TickCount until = 0;
};

class AutomaticRestore {
  public:
    // The desktop was rebuilt: a restore becomes due. Events that come while
    // one is due make it wait for the desktop to settle again, but no longer
    // than the first event's limits.
    void DesktopRebuilt(TickCount now);
    // The user restored the icons: that restore stands for the one due.
    void UserRestored();
    // What to do now. A look or a restore asked for is under way until its
    // result comes; meanwhile the answer is to wait.
    AutomaticStep Next(TickCount now);
    // The result of the look under way.
    void Looked(TickCount now, const DesktopLook& look);
    // The result of the restore under way, or of the placing of late icons:
    // the labels of the icons that are now in their places.
    void Restored(TickCount now, bool succeeded, const std::set<std::u16string>& placed);

    // The labels already placed, for the placing of late icons.
    const std::set<std::u16string>& placed() const { return placed_; }
    // What happened since the last call, a line each, for a trace.
    std::string TakeTrace();

  private:
    enum class Phase { Idle, Settling, Retrying, Watching };

    void Note(TickCount now, const std::string& text);
    void GiveUp(TickCount now, const std::string& why);
    bool HasLateIcons(const DesktopLook& look) const;

    Phase phase_ = Phase::Idle;
    TickCount eventAt_ = 0;
    TickCount nextLookAt_ = 0;
    TickCount watchUntil_ = 0;
    std::optional<std::vector<DesktopIcon>> lastLook_;
    std::set<std::u16string> placed_;
    int failedRestores_ = 0;
    bool underWay_ = false;
    bool stale_ = false;      // an event came while the step under way ran
    bool restoreDue_ = false; // the next step restores
    bool lateIconsDue_ = false;
    std::string trace_;
};

// The option, kept per user outside the layout's key, whose value names are
// icon names; off unless it was switched on.
bool RestoresIconsAutomatically(UserRegistry& registry);
// Throws the system error when the registry refuses.
void SetRestoresIconsAutomatically(UserRegistry& registry, bool on);

} // namespace vevove
