#pragma once

#include <array>
#include <string>

namespace vevove {

// The first three lines of the settings file's bytes. The text ends at its
// first NUL; CR LF, a lone CR and a lone LF each end a line; each line is cut
// to 4,096 bytes; lines past the end read as empty.
std::array<std::string, 3> SplitSettingsLines(const std::string& bytes);

// The three lines that "Save resolution" writes, each ended by CR LF.
std::string JoinSettingsLines(const std::string& width, const std::string& height, bool autoMode);

// True when the text holds a byte above 0x20, i.e. it is not empty once bytes
// 0x00 to 0x20 are stripped from both ends.
bool HasVisibleByte(const std::string& text);

} // namespace vevove
