// The registry under HKEY_CURRENT_USER: keys by path, values in the order they
// were first written, names of keys and values compared without regard to
// case (A to Z), and the handles of open keys with the access they were
// opened for, so a test can see which keys were left open.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vevove::fake {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinaryType = 3;
constexpr std::uint32_t kRegDword = 4;

class FakeRegistry {
  public:
    struct Value {
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    // Setting up and inspecting, for tests. Paths are relative to
    // HKEY_CURRENT_USER.
    void addKey(const std::string& path);
    void setValue(const std::string& path, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data);
    bool hasKey(const std::string& path) const;
    // The values of a key in enumeration order; throws std::out_of_range when
    // there is no such key.
    const std::vector<Value>& values(const std::string& path) const;
    // "Software\Key (access 2)" for each key handle still open.
    std::vector<std::string> openKeys() const;

    // The platform's calls, returning ERROR_* codes as the registry does.
    std::int32_t deleteKey(RegistryKey parent, const std::string& path);
    std::int32_t createKey(RegistryKey parent, const std::string& path, std::uint32_t access,
                           RegistryKey& key);
    std::int32_t openKey(RegistryKey parent, const std::string& path, std::uint32_t access,
                         RegistryKey& key);
    std::int32_t setValue(RegistryKey key, const std::string& name, std::uint32_t type,
                          const void* data, std::uint32_t size);
    std::int32_t enumValue(RegistryKey key, std::uint32_t index, std::string& name,
                           std::uint32_t& nameLength, std::uint32_t& type, void* data,
                           std::uint32_t& dataSize);
    std::int32_t closeKey(RegistryKey key);

  private:
    struct Key {
        std::string path;
        std::vector<Value> values;
    };
    struct OpenKey {
        std::string path; // folded to lower case
        std::uint32_t access = 0;
    };

    static std::string Fold(const std::string& text);
    std::int32_t keyFor(RegistryKey key, std::uint32_t right, Key*& found);

    std::map<std::string, Key> keys_; // by folded path
    std::map<RegistryKey, OpenKey> open_;
    RegistryKey next_ = 0x1A4;
};

} // namespace vevove::fake
