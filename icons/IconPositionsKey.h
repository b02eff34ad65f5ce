// The registry key that holds the saved icon positions: under
// HKEY_CURRENT_USER, one REG_BINARY value of 8 bytes per icon text, x then y
// as 32-bit little-endian integers in the list view's coordinates.
#pragma once

#include <cstdint>

namespace vevove {

constexpr const char* kIconPositionsKey = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr std::uint32_t kIconPositionSize = 8;

} // namespace vevove
