// "Save Icons" and "Restore Icons": the desktop's icon positions between the
// shell's list view and the registry.
#pragma once

#include "IconRegistry.h"
#include "RemoteMemory.h"
#include "ShellWindows.h"

#include <cstdint>
#include <optional>

namespace vevove {

// What a command had to leave with a shell whose list view stopped
// answering: the block that the unanswered message points into, which the
// list view may still read or write, and the list view's style to put back.
struct PendingRelease {
    WindowId window = 0;
    std::uint32_t processId = 0;
    RemoteBlockId block;
    std::optional<std::int32_t> style;
};

// The desktop as the commands reach it. One Desktop serves every command: it
// carries what a command left with a shell that did not answer to the next.
struct Desktop {
    ShellWindows& windows;
    RemoteMemory& memory;
    IconRegistry& registry;
    std::optional<PendingRelease> pending{};
};

// Every icon's text and position into the registry key, once every icon has
// been read; then the values of icons that are gone are removed.
void SaveIcons(Desktop& desktop);
// Every saved position back to the first icon, in item order, whose text the
// list view's search takes for the value's name.
void RestoreIcons(Desktop& desktop);
// Releases what an earlier command left with a shell that did not answer, and
// puts its list view's style back, once the list view answers (or is gone);
// keeps it while the list view still does not answer. Every command does this
// first; the program calls it once more when it ends. Raises nothing.
void ReleaseWhenAnswered(Desktop& desktop);

} // namespace vevove
