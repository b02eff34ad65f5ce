#pragma once

#include "platform/Platform.h"

#include <string>

namespace vevove {

// The application's title, derived from the executable's file name: the name
// after the last backslash, cut at its first full stop, every character after
// the first in lower case ("C:\Tools\VEVOVE.EXE" and "Vevove.new.exe" both
// give "Vevove").
std::string ApplicationTitle(Platform& os);

} // namespace vevove
