// The program's start from the command line: with switches it runs them and
// ends without a window.
#pragma once

#include <optional>

namespace vevove {

// Runs the program's command line when it has arguments and returns the exit
// code; nothing when there are none and the program is to open its window.
std::optional<int> RunCommandLineIfGiven();

} // namespace vevove
