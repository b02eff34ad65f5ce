// Other programs' windows as the icon logic uses them: finding the desktop
// shell's windows and talking to its list view.
#pragma once

#include "Errors.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vevove {

using WindowId = std::uint64_t; // 0 is "none"

class ShellWindows {
  public:
    virtual ~ShellWindows() = default;

    // The next top-level window after `after` (0: the first) of that class.
    virtual WindowId FindTopLevel(const std::string& className, WindowId after) = 0;
    // The first child of `parent` of that class; an empty class name matches
    // any child. A zero parent has no children.
    virtual WindowId FindChild(WindowId parent, const std::string& className) = 0;
    // The id of the process that owns the window, 0 when there is none.
    virtual std::uint32_t ProcessId(WindowId window) = 0;

    // Sends a message and returns the window's answer; nothing when the window
    // hangs, does not answer within a few seconds or no longer exists. A
    // message left unanswered may still be handled later.
    virtual std::optional<std::int64_t> Send(WindowId window, std::uint32_t message,
                                             std::uint64_t wParam, std::int64_t lParam) = 0;
    // The window's style bits, and setting them. Setting them waits for the
    // window's thread, however long it takes.
    virtual std::int32_t Style(WindowId window) = 0;
    virtual void SetStyle(WindowId window, std::int32_t style) = 0;

    // The key under which a list view's search for an item by its text finds
    // it: the search takes two texts for the same exactly when their keys are
    // equal. The text counts up to its first zero.
    virtual std::optional<SystemFailure> SearchKey(const std::u16string& text,
                                                   std::string& key) = 0;
};

} // namespace vevove
