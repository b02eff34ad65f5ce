// The settings file's text: its lines, and the numbers in them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

// Reads a whole text as a signed 32-bit integer, or nothing when the text
// breaks the rules: leading blanks only, one optional sign, then decimal digits
// or hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing after
// the digits. Decimal numbers must lie in the signed 32-bit range; hexadecimal
// ones may have at most 8 significant digits, their bit pattern read as signed.
std::optional<std::int32_t> ParseSettingsNumber(const std::string& text);

} // namespace vevove
