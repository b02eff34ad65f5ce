// The registry key that holds the saved icon positions: under
// HKEY_CURRENT_USER, one REG_BINARY value of 8 bytes per icon, x then y as
// 32-bit little-endian integers in the desktop view's coordinates.
#pragma once

#include <array>
#include <cstdint>

namespace vevove {

constexpr const char* kIconPositionsKey = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr std::uint32_t kIconPositionSize = 8;
// Labels are saved up to 254 UTF-16 units, as the list view has always given
// them, so that either way to the desktop names an icon alike.
constexpr std::size_t kLongestSavedLabel = 254;

using PositionBytes = std::array<std::uint8_t, kIconPositionSize>;

inline PositionBytes ToPositionBytes(std::int32_t x, std::int32_t y) {
    PositionBytes bytes{};
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(x) >> (8 * i));
        bytes[4 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(y) >> (8 * i));
    }
    return bytes;
}

inline std::int32_t LittleEndian32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
        (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24));
}

} // namespace vevove
