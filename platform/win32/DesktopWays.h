// The two ways to the desktop's icons, each used on the desktop worker's
// thread alone: the shell's folder view, the supported way to place them
// since Windows 10 1809 keeps them in an icon manager of its own that
// list-view messages do not reach; and the list view in the shell's process,
// for a desktop whose folder view does not serve.
#pragma once

#include "DesktopIcons.h"

#include <memory>
#include <vector>

namespace vevove {

// One way, open across the commands of a burst. Every call waits for the
// shell as long as it takes; the worker tells the user meanwhile.
class DesktopWay {
  public:
    virtual ~DesktopWay() = default;

    // False once the desktop this way reached is gone (the shell restarted).
    virtual bool Alive() const = 0;
    // Every icon, in the desktop's order; the moves refer to the last read.
    virtual DesktopResult Read(IconParts parts, std::vector<DesktopIcon>& icons) = 0;
    // The view's automatic arrangement, and switching it alone on or off.
    virtual DesktopResult AutoArrange(bool& on) = 0;
    virtual DesktopResult SetAutoArrange(bool on) = 0;
    // Moves the icons in one step.
    virtual DesktopResult Move(const std::vector<IconMove>& moves) = 0;
};

// How far the system's shell windows are: none to ask (the list view is the
// way), or they do not find the desktop yet (a shell still starting), or
// they find it.
enum class ShellWindows { Missing, Starting, Found };

// The desktop's folder view; no way when it does not serve: no shell windows
// to ask, no desktop among them, or a view that does not give its items and
// their positions (as Wine's own desktop, which holds none).
std::unique_ptr<DesktopWay> OpenFolderViewIcons(ShellWindows& shellWindows);

// The list view of the desktop's "SHELLDLL_DefView", a child of "Progman"
// or of a top-level "WorkerW", wherever it stands among their children. No
// way, and no failure, when there is none: a window of any other class is
// never taken for it.
DesktopResult OpenListViewIcons(std::unique_ptr<DesktopWay>& way);

// Said after each answer of the shell, so that a long walk over many icons is
// not taken for a shell that hangs.
void ShellAnswered();
// True once whoever waits for the job that runs has given it up.
bool CommandGivenUp();

} // namespace vevove
