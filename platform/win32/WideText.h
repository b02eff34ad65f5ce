// Text in the system's UTF-16, for the wide functions. A string type of its
// own rather than std::wstring, whose members the static C++ library holds
// already made, all of them, in one piece that would come into the program
// whole: of this one, only what is used is made.
#pragma once

#include <string>

namespace vevove {

struct WideCharTraits : std::char_traits<wchar_t> {};
using WideText = std::basic_string<wchar_t, WideCharTraits>;

} // namespace vevove
