#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vevove {

// Reads a whole text as a signed 32-bit integer, or nothing when the text
// breaks the rules: leading blanks only, one optional sign, then decimal digits
// or hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing after
// the digits. Decimal numbers must lie in the signed 32-bit range; hexadecimal
// ones may have at most 8 significant digits, their bit pattern read as signed.
std::optional<std::int32_t> ParseSettingsNumber(const std::string& text);

} // namespace vevove
