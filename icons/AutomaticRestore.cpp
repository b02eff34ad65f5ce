#include "AutomaticRestore.h"

#include "Errors.h"

#include <algorithm>
#include <utility>

namespace vevove {

namespace {

constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";
constexpr char16_t kRestoreOptionName[] = u"RestoreIconsAutomatically";

std::string Seconds(TickCount milliseconds) {
    return std::to_string(milliseconds / 1000) + "." + std::to_string(milliseconds % 1000 / 100) +
           " s";
}

} // namespace

void AutomaticRestore::DesktopRebuilt(TickCount now) {
    if (phase_ == Phase::Idle || phase_ == Phase::Watching) {
        eventAt_ = now;
        failedRestores_ = 0;
        placed_.clear();
        Note(now, "the desktop was rebuilt: a restore is due");
    } else {
        Note(now, "the desktop was rebuilt again: waiting for it to settle anew");
    }
    phase_ = Phase::Settling;
    lastLook_.reset();
    restoreDue_ = false;
    lateIconsDue_ = false;
    nextLookAt_ = now + kLookInterval;
    stale_ = underWay_;
}

void AutomaticRestore::UserRestored() {
    if (phase_ != Phase::Idle) {
        phase_ = Phase::Idle;
        stale_ = underWay_;
        trace_ += "automatic restore: replaced by the user's restore\n";
    }
}

AutomaticStep AutomaticRestore::Next(TickCount now) {
    if (phase_ == Phase::Idle) {
        return {};
    }
    if (underWay_) {
        return {AutomaticStep::Kind::Wait, now + kLookInterval};
    }
    if (phase_ == Phase::Watching && now >= watchUntil_ && !lateIconsDue_) {
        phase_ = Phase::Idle;
        Note(now, "done");
        return {};
    }
    AutomaticStep step{AutomaticStep::Kind::Look, now};
    if (restoreDue_) {
        step.kind = AutomaticStep::Kind::Restore;
    } else if (lateIconsDue_) {
        step.kind = AutomaticStep::Kind::PlaceLateIcons;
    } else if (now < nextLookAt_) {
        return {AutomaticStep::Kind::Wait, nextLookAt_};
    }
    underWay_ = true;
    return step;
}

// Settled: two looks in a row, a second apart, that see the same icons in
// the same places, at least one, through a shell that is ready.
void AutomaticRestore::Looked(TickCount now, const DesktopLook& look) {
    underWay_ = false;
    if (std::exchange(stale_, false) || phase_ == Phase::Idle) {
        return;
    }
    nextLookAt_ = now + kLookInterval;
    const bool hasIcons = look.answered && look.shellReady && !look.icons.empty();
    const std::string seen = !look.answered     ? "no answer"
                             : !look.shellReady ? "a shell still starting"
                                                : std::to_string(look.icons.size()) + " icons";
    switch (phase_) {
    case Phase::Settling:
        if (hasIcons && lastLook_ == look.icons) {
            restoreDue_ = true;
            Note(now, "settled at " + seen);
        } else if (hasIcons && now - eventAt_ >= kLongestSettle) {
            restoreDue_ = true;
            Note(now, "not settled at " + Seconds(kLongestSettle) + ": restoring " + seen);
        } else if (now - eventAt_ >= kLongestWait) {
            GiveUp(now, "no icons to restore, last look: " + seen);
        } else {
            lastLook_ = hasIcons ? std::optional(look.icons) : std::nullopt;
            Note(now, "look: " + seen);
        }
        break;
    case Phase::Retrying:
        if (hasIcons) {
            restoreDue_ = true;
        } else if (now - eventAt_ >= kLongestWait) {
            GiveUp(now, "no icons to restore again, last look: " + seen);
        }
        break;
    case Phase::Watching:
        if (look.answered && HasLateIcons(look)) {
            lateIconsDue_ = true;
            Note(now, "icons came late: placing them");
        }
        break;
    case Phase::Idle:
        break;
    }
}

void AutomaticRestore::Restored(TickCount now, bool succeeded,
                                const std::set<std::u16string>& placed) {
    underWay_ = false;
    const bool late = std::exchange(lateIconsDue_, false);
    restoreDue_ = false;
    if (std::exchange(stale_, false) || phase_ == Phase::Idle) {
        return;
    }
    nextLookAt_ = now + kLookInterval;
    if (succeeded) {
        placed_ = placed;
        if (!late) {
            phase_ = Phase::Watching;
            watchUntil_ = now + kLateIconsWatch;
        }
        Note(now, late ? "late icons placed" : "restored");
    } else if (late) {
        Note(now, "placing late icons failed: trying at the next look");
    } else if (++failedRestores_ >= kRestoreAttempts) {
        GiveUp(now, "the restore failed " + std::to_string(failedRestores_) + " times");
    } else {
        phase_ = Phase::Retrying;
        Note(now, "the restore failed: trying again at the next look");
    }
}

std::string AutomaticRestore::TakeTrace() {
    return std::exchange(trace_, std::string());
}

void AutomaticRestore::Note(TickCount now, const std::string& text) {
    trace_ += "automatic restore at " + Seconds(now - eventAt_) + ": " + text + "\n";
}

void AutomaticRestore::GiveUp(TickCount now, const std::string& why) {
    Note(now, "given up: " + why);
    phase_ = Phase::Idle;
}

bool AutomaticRestore::HasLateIcons(const DesktopLook& look) const {
    return std::any_of(look.icons.begin(), look.icons.end(),
                       [this](const DesktopIcon& icon) { return placed_.count(icon.label) == 0; });
}

bool RestoresIconsAutomatically(UserRegistry& registry) {
    const std::optional<RegistryValue> option =
        RegistryKey::Open(registry, kOptionsKey).Find(kRestoreOptionName);
    return option && option->type == kRegDword &&
           std::any_of(option->data.begin(), option->data.end(),
                       [](std::uint8_t byte) { return byte != 0; });
}

void SetRestoresIconsAutomatically(UserRegistry& registry, bool on) {
    const std::uint8_t flag = on ? 1 : 0;
    RegistryKey::Create(registry, kOptionsKey)
        .Set({kRestoreOptionName, kRegDword, {flag, 0, 0, 0}});
}

} // namespace vevove
