// The program's start from the command line: with switches it runs them and
// ends without a window.
#pragma once

#include <optional>

namespace vevove {

// What the program's start is to do when its command line asks for no
// command: open its window, start minimized ("/minimized"), or start with
// only its icon in the notification area ("/background"), which wins.
struct WindowStart {
    bool minimized = false;
    bool background = false;
};

// Runs the program's command line when it asks for commands (or the usage)
// and returns the exit code; otherwise says how the window is to start.
std::optional<int> RunCommandLineIfGiven(WindowStart& windowStart);

} // namespace vevove
