// "Save Icons": every desktop icon's position into the setup's layouts and
// the layout key.
#include "DesktopCalls.h"
#include "Errors.h"
#include "IconCommands.h"
#include "IconNames.h"
#include "SavedLayouts.h"

#include <algorithm>
#include <optional>

namespace vevove {

namespace {

constexpr const char* kNoIconsText =
    "Keine Desktop-Symbole gefunden: das gespeicherte Layout bleibt, wie es war";
constexpr const char* kPositionUnknownText =
    "Die Position eines Desktop-Symbols ist nicht lesbar: das gespeicherte Layout bleibt, wie es "
    "war";

} // namespace

// Every icon is read, and named, before anything saved is touched, so a
// command that cannot reach them all, or finds none (a shell still starting,
// a desktop folder offline), leaves what was saved as it was. File names cost
// the desktop one more answer per icon, so they are read only where labels
// are shared, in a second read that replaces the first whole.
bool SaveIcons(Desktop& desktop) {
    std::optional<DesktopRead> read = ReadIcons(desktop.icons, {true, false});
    if (read && LabelsShared(desktop.registry, read->icons)) {
        read = ReadIcons(desktop.icons, {true, true});
    }
    if (!read) {
        return false;
    }
    if (read->icons.empty()) {
        throw Error(ErrorKind::System, kNoIconsText);
    }
    if (std::any_of(read->icons.begin(), read->icons.end(),
                    [](const DesktopIcon& icon) { return !icon.positionRead; })) {
        throw Error(ErrorKind::System, kPositionUnknownText);
    }
    StoreLayout(desktop.registry, CurrentSetup(desktop), LayoutOf(desktop.registry, read->icons),
                desktop.clock.LocalTime());
    return true;
}

} // namespace vevove
