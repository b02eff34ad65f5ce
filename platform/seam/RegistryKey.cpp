#include "UserRegistry.h"

#include <utility>

namespace vevove {

// REG_SZ data: the UTF-16 units in little-endian order, with their end mark.
RegistryValue TextValue(const std::u16string& name, const std::u16string& text) {
    std::vector<std::uint8_t> data;
    for (const char16_t unit : text + u'\0') {
        data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return {name, kRegSz, std::move(data)};
}

std::optional<std::u16string> TextOf(const RegistryValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        return std::nullopt;
    }
    std::u16string text;
    for (std::size_t at = 0; at + 1 < value.data.size(); at += 2) {
        const auto unit = static_cast<char16_t>(value.data[at] | value.data[at + 1] << 8);
        if (unit == u'\0') {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

RegistryKey RegistryKey::Create(UserRegistry& registry, const std::string& path) {
    RegistryKeyId id = 0;
    RaiseIfFailed(registry.CreateKey(path, id));
    return RegistryKey(registry, id);
}

RegistryKey RegistryKey::Open(UserRegistry& registry, const std::string& path) {
    RegistryKeyId id = 0;
    return RegistryKey(registry, registry.OpenKey(path, id) ? id : 0);
}

RegistryKey::~RegistryKey() {
    if (isOpen()) {
        registry_->CloseKey(id_);
    }
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : registry_(other.registry_), id_(std::exchange(other.id_, 0)) {}

std::vector<RegistryValue> RegistryKey::Values() const {
    return isOpen() ? registry_->Values(id_) : std::vector<RegistryValue>{};
}

std::optional<RegistryValue> RegistryKey::Find(const std::u16string& name) const {
    const std::u16string form = registry_->ValueNameForm(name);
    for (RegistryValue& value : Values()) {
        if (registry_->ValueNameForm(value.name) == form) {
            return std::move(value);
        }
    }
    return std::nullopt;
}

void RegistryKey::Set(const RegistryValue& value) const {
    RaiseIfFailed(registry_->SetValue(id_, value));
}

void RegistryKey::Delete(const std::u16string& name) const {
    RaiseIfFailed(registry_->DeleteValue(id_, name));
}

} // namespace vevove
