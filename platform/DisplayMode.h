// The display-settings record (DEVMODEA, 156 bytes) as the platform lays it
// out, and the fields that a display mode change sets.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace vevove {

struct DisplayMode {
    static constexpr std::size_t kSize = 156;
    static constexpr std::size_t kSizeOffset = 36;        // dmSize, 16 bits
    static constexpr std::size_t kDriverExtraOffset = 38; // dmDriverExtra, 16 bits
    static constexpr std::size_t kFieldsOffset = 40;      // dmFields, 32 bits
    static constexpr std::size_t kPelsWidthOffset = 108;  // dmPelsWidth, 32 bits
    static constexpr std::size_t kPelsHeightOffset = 112; // dmPelsHeight, 32 bits

    std::array<std::uint8_t, kSize> bytes{};

    template <typename Field> Field get(std::size_t offset) const {
        Field value;
        std::memcpy(&value, bytes.data() + offset, sizeof value);
        return value;
    }
    template <typename Field> void set(std::size_t offset, Field value) {
        std::memcpy(bytes.data() + offset, &value, sizeof value);
    }
};

constexpr std::uint32_t kDmPelsWidth = 0x80000;
constexpr std::uint32_t kDmPelsHeight = 0x100000;
constexpr std::uint32_t kCdsUpdateRegistry = 1;
constexpr std::int32_t kDispChangeSuccessful = 0;

constexpr int kSmCxScreen = 0;
constexpr int kSmCyScreen = 1;

} // namespace vevove
