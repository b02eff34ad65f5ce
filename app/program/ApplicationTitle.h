#pragma once

#include <string>

namespace vevove {

// The system's lower case of a text in its ANSI code page.
using LowerCase = std::string (*)(std::string text);

// The application's title, derived from the executable's full path: the name
// after the last backslash, cut at its first full stop, every character after
// the first in lower case ("C:\Tools\VEVOVE.EXE" and "Vevove.new.exe" both
// give "Vevove").
std::string ApplicationTitle(std::string modulePath, LowerCase lowerCase);

} // namespace vevove
