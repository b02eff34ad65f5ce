// The registry key that holds the saved icon positions: under
// HKEY_CURRENT_USER, one REG_BINARY value of 8 bytes per icon text, x then y
// as 32-bit little-endian integers in the list view's coordinates.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

namespace vevove {

constexpr const char* kIconPositionsKey = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr std::uint32_t kIconPositionSize = 8;

constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::int32_t kErrorSuccess = 0;
constexpr std::int32_t kErrorMoreData = 234;
constexpr std::int32_t kErrorNoMoreItems = 259;

// Closes an open key when it goes out of scope, however that happens.
class OpenRegistryKey {
  public:
    OpenRegistryKey(Platform& os, RegistryKey key) : os_(os), key_(key) {}
    ~OpenRegistryKey() { os_.regCloseKey(key_); }
    OpenRegistryKey(const OpenRegistryKey&) = delete;
    OpenRegistryKey& operator=(const OpenRegistryKey&) = delete;

    RegistryKey get() const { return key_; }

  private:
    Platform& os_;
    RegistryKey key_;
};

} // namespace vevove
