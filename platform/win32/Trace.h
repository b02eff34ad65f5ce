// Lines for whoever watches the program's debug output (DebugView, a
// debugger): what the program did by itself, and why. They cost nothing
// while nobody watches.
#pragma once

#include <string>

namespace vevove {

// Each line of `lines` (UTF-8, ended or separated by "\n"), as one line of
// the debug output headed "Vevove: ".
void Trace(const std::string& lines);

} // namespace vevove
