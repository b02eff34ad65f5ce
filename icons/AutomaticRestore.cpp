#include "AutomaticRestore.h"

#include "Errors.h"

#include <algorithm>
#include <memory>

namespace vevove {

namespace {

constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";
constexpr char16_t kRestoreOptionName[] = u"RestoreIconsAutomatically";

// The icons with their places, or none while the desktop has none to give
// (a shell still starting, a desktop that does not answer, a command of the
// user's still at it).
std::optional<std::vector<DesktopIcon>> LookAtDesktop(DesktopIcons& icons) {
    std::unique_ptr<DesktopIconView> view;
    if (icons.Open(view) || view == nullptr) {
        return std::nullopt;
    }
    std::vector<DesktopIcon> look;
    if (view->Icons(IconParts::LabelsAndPositions, look) || look.empty()) {
        return std::nullopt;
    }
    return look;
}

void RestoreQuietly(Desktop& desktop) {
    try {
        RestoreIcons(desktop);
    } catch (const Error&) {
        // No box: nobody asked for this restore, and the next event tries again.
    }
}

} // namespace

void NoteDesktopRebuilt(AutomaticRestore& restore, TickCount now) {
    if (!restore.deadline) {
        restore.deadline = now + kLongestWait;
    }
    restore.lastLook.reset();
    ++restore.events;
}

bool ContinueAutomaticRestore(AutomaticRestore& restore, Desktop& desktop, TickCount now) {
    if (!restore.deadline) {
        return false;
    }
    const unsigned eventsBefore = restore.events;
    std::optional<std::vector<DesktopIcon>> look = LookAtDesktop(desktop.icons);
    if (restore.events != eventsBefore) {
        return true;
    }
    const bool settled = look && restore.lastLook && *look == *restore.lastLook;
    if (settled || now >= *restore.deadline) {
        restore = {};
        RestoreQuietly(desktop);
    } else {
        restore.lastLook = std::move(look);
    }
    return restore.deadline.has_value();
}

bool RestoresIconsAutomatically(IconRegistry& registry) {
    const std::optional<RegistryValue> option =
        RegistryKey::Open(registry, kOptionsKey).Find(kRestoreOptionName);
    return option && option->type == kRegDword &&
           std::any_of(option->data.begin(), option->data.end(),
                       [](std::uint8_t byte) { return byte != 0; });
}

void SetRestoresIconsAutomatically(IconRegistry& registry, bool on) {
    const std::uint8_t flag = on ? 1 : 0;
    RegistryKey::Create(registry, kOptionsKey)
        .Set({kRestoreOptionName, kRegDword, {flag, 0, 0, 0}});
}

} // namespace vevove
