// "Start with Windows": the current user's Run value that starts Vevove in
// the notification area at every log-on.
#pragma once

#include "UserRegistry.h"

#include <string>

namespace vevove {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char16_t kRunValueName[] = u"Vevove";

// The value's text: the program's full path in quotes, then "/background".
std::u16string StartCommand(const std::u16string& programPath);

// On while the Run value starts this program (the path in quotes at the
// start of its text, or up to its first blank): the same full path, compared
// as Windows compares paths, without regard to case. A value that names a
// program moved or deleted since, or another one, is off.
bool StartsWithWindows(UserRegistry& registry, const std::u16string& programPath);
// Writes the value for this program, or removes whatever value is there;
// throws the system error when the registry refuses.
void SetStartsWithWindows(UserRegistry& registry, bool on, const std::u16string& programPath);

} // namespace vevove
