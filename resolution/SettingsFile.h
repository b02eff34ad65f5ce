// Reading and writing the bytes of the settings file.
#pragma once

#include "platform/Platform.h"

#include <string>

namespace vevove {

extern const char* const kSettingsFileName;

// True when a file (not a folder) of that name exists and its last-write time
// is a local date and time that a DOS date can express (1980 to 2107).
bool SettingsFileExists(Platform& os, const std::string& path);

// The whole file, opened for reading while others may read but not write it.
// Throws when it cannot be opened or read.
std::string ReadSettingsFile(Platform& os, const std::string& path);

// Creates or replaces the file and writes `text` in one write. Throws the
// file-creation error or the write error; the file is closed in every case.
void WriteSettingsFile(Platform& os, const std::string& path, const std::string& text);

} // namespace vevove
