// "Save Icons" and "Restore Icons": the desktop's icon positions between the
// desktop and the registry.
#pragma once

#include "DesktopIcons.h"
#include "IconRegistry.h"
#include "NameMatching.h"

#include <set>
#include <string>

namespace vevove {

// The desktop and the registry as the commands reach them.
struct Desktop {
    DesktopIcons& icons;
    NameMatching& names;
    IconRegistry& registry;
};

// Every icon's position into the registry key, once every icon has been
// read; then the values of icons that are gone are removed. An icon is saved
// under its label, or under its file name where other icons share its label
// and the desktop knows file names. False when there is no desktop with
// icons.
bool SaveIcons(Desktop& desktop);
// Every saved position back to its icon: the icon whose file name the value
// names, else the first icon, in the desktop's order, whose label matches.
// False when there is no desktop with icons.
bool RestoreIcons(Desktop& desktop);
// As RestoreIcons, but the icons whose labels `placed` holds stay where they
// are; then `placed` holds the label of every icon the desktop has.
bool RestoreIconsNotYetPlaced(Desktop& desktop, std::set<std::u16string>& placed);

// Where icon commands run: in the program on the desktop worker, whose thread
// holds the desktop.
class DesktopWork {
  public:
    virtual ~DesktopWork() = default;

    // Runs `command` with the desktop and gives what it returned; raises what
    // it raised, or that the desktop does not answer.
    virtual bool Run(bool (*command)(Desktop&)) = 0;
};

} // namespace vevove
