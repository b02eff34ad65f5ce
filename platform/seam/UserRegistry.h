// The current user's registry, where Vevove keeps what it saves beside the
// settings file: the icon layouts, the options and the Run value. Keys under
// HKEY_CURRENT_USER by their paths, and their values, named in UTF-16.
#pragma once

#include "Errors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vevove {

using RegistryKeyId = std::uint64_t; // an open key; 0 is "none"

struct RegistryValue {
    std::u16string name;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

class UserRegistry {
  public:
    virtual ~UserRegistry() = default;

    // Opens the key, creating it where it is missing, for reading and writing values.
    virtual std::optional<SystemFailure> CreateKey(const std::string& path, RegistryKeyId& key) = 0;
    // Opens an existing key for reading its values; false when there is none.
    virtual bool OpenKey(const std::string& path, RegistryKeyId& key) = 0;
    virtual void CloseKey(RegistryKeyId key) = 0;

    // Every value of the key, in the registry's enumeration order; a failure
    // ends the values there.
    virtual std::vector<RegistryValue> Values(RegistryKeyId key) = 0;
    virtual std::optional<SystemFailure> SetValue(RegistryKeyId key,
                                                  const RegistryValue& value) = 0;
    // A missing value is no failure.
    virtual std::optional<SystemFailure> DeleteValue(RegistryKeyId key,
                                                     const std::u16string& name) = 0;

    // The names of the subkeys of the key at `path`, in the registry's order;
    // none where there is no such key.
    virtual std::vector<std::string> SubkeyNames(const std::string& path) = 0;
    // Deletes the key at `path`, which holds no subkeys, with its values; a
    // missing key is no failure.
    virtual std::optional<SystemFailure> DeleteKey(const std::string& path) = 0;

    // The form in which the registry compares value names: two names name the
    // same value exactly when their forms are equal.
    virtual std::u16string ValueNameForm(const std::u16string& name) = 0;
};

// A REG_SZ value of that text.
RegistryValue TextValue(const std::u16string& name, const std::u16string& text);
// The text of a REG_SZ or REG_EXPAND_SZ value, up to its first end mark;
// nothing for a value of another type.
std::optional<std::u16string> TextOf(const RegistryValue& value);

// An open key, closed however the scope that opened it is left. Failures
// that the commands report raise the system error.
class RegistryKey {
  public:
    // Opens the key, creating it where it is missing, for reading and writing.
    static RegistryKey Create(UserRegistry& registry, const std::string& path);
    // Opens an existing key for reading; a key that is not open where there
    // is none.
    static RegistryKey Open(UserRegistry& registry, const std::string& path);

    ~RegistryKey();
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey& operator=(RegistryKey&&) = delete;

    bool isOpen() const { return id_ != 0; }
    // Every value, in the registry's enumeration order; none for a key that
    // is not open.
    std::vector<RegistryValue> Values() const;
    // The value of that name, as the registry compares names, if it is there.
    std::optional<RegistryValue> Find(const std::u16string& name) const;
    void Set(const RegistryValue& value) const;
    // A missing value is no failure.
    void Delete(const std::u16string& name) const;

  private:
    RegistryKey(UserRegistry& registry, RegistryKeyId id) : registry_(&registry), id_(id) {}

    UserRegistry* registry_;
    RegistryKeyId id_;
};

} // namespace vevove
