// "Save Icons" and "Restore Icons": the desktop's icon positions between the
// desktop and the registry.
#pragma once

#include "Clock.h"
#include "DesktopIcons.h"
#include "Display.h"
#include "NameMatching.h"
#include "UserRegistry.h"

#include <functional>
#include <set>
#include <string>

namespace vevove {

// The desktop, the registry, and the display setup and time that the saved
// layouts go by, as the commands reach them.
struct Desktop {
    DesktopIcons& icons;
    NameMatching& names;
    UserRegistry& registry;
    Display& display;
    Clock& clock;
};

// The name of the display setup in force.
std::string CurrentSetup(Desktop& desktop);

// Every icon's position, once every icon has been read, as the setup's
// newest layout and into the layout key (SavedLayouts.h). An icon is saved
// under its label, or under its file name where other icons share its label
// and the desktop knows file names. A desktop without icons, or with an icon
// whose position cannot be read, raises the error that says so, and nothing
// saved changes. False when there is no desktop with icons.
bool SaveIcons(Desktop& desktop);
// The setup's newest layout (where it has none, the layout key's) back on
// the desktop: each saved position to the icon whose file name the value
// names, else to the first icon, in the desktop's order, whose label matches.
// Where the icons stood before is kept for an undo. False when there is no
// desktop with icons.
bool RestoreIcons(Desktop& desktop);
// The icons back where they stood before the last restore on this setup.
bool UndoLastRestore(Desktop& desktop);
// The setup's layout saved at `time` back on the desktop.
bool RestoreLayoutSavedAt(Desktop& desktop, const std::string& time);
// The automatic restore's: the layout that the setup gets back by itself
// (SavedLayouts.h), where the icons whose labels `placed` holds stay where
// they are; then `placed` holds the label of every icon the desktop has.
bool RestoreIconsNotYetPlaced(Desktop& desktop, std::set<std::u16string>& placed);

// Where icon commands run: in the program on the desktop worker, whose thread
// holds the desktop.
class DesktopWork {
  public:
    virtual ~DesktopWork() = default;

    // Runs `command` with the desktop and gives what it returned; raises what
    // it raised, or that the desktop does not answer.
    virtual bool Run(const std::function<bool(Desktop&)>& command) = 0;
};

} // namespace vevove
