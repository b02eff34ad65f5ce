#include "UserRegistry.h"

#include <utility>

namespace vevove {

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
