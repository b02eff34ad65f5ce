// "Save Icons" and "Restore Icons": the desktop's icon positions between the
// desktop and the registry.
#pragma once

#include "DesktopIcons.h"
#include "IconRegistry.h"

namespace vevove {

// The desktop and the registry as the commands reach them.
struct Desktop {
    DesktopIcons& icons;
    IconRegistry& registry;
};

// Every icon's position into the registry key, once every icon has been
// read; then the values of icons that are gone are removed. An icon is saved
// under its label, or under its file name where other icons share its label
// and the desktop knows file names. False when there is no desktop with
// icons; a command refused while another is still at the desktop does
// nothing.
bool SaveIcons(Desktop& desktop);
// Every saved position back to its icon: the icon whose file name the value
// names, else the first icon, in the desktop's order, whose label matches.
bool RestoreIcons(Desktop& desktop);

} // namespace vevove
