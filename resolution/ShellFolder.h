#pragma once

#include "platform/Platform.h"

#include <string>

namespace vevove {

constexpr int kCommonAppDataFolder = 35; // CSIDL_COMMON_APPDATA

// The full path of a shell special folder without a trailing backslash, or
// empty text when the shell cannot name it or turn it into a path.
std::string SpecialFolderPath(Platform& os, int folder);

} // namespace vevove
