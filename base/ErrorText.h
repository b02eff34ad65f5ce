// The texts of the two error boxes.
#pragma once

#include <cstdint>
#include <string>

namespace vevove {

// The error box's text: the message, with a full stop appended when its last
// character sorts after "." (so letters, digits and a slash get one; ".", ",",
// "-", ")", "!", quotes and blanks do not).
std::string ErrorBoxText(const std::string& message);

// The text of the box shown for an error that escapes start-up before the
// message loop runs; `offset` is the raising code address within the module.
std::string StartupErrorText(const std::string& kindName, const std::string& moduleName,
                             std::uintptr_t offset, const std::string& message);

// The title of that box.
constexpr const char* kStartupErrorTitle = "Anwendungsfehler";

} // namespace vevove
