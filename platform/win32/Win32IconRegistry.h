// The current user's registry on Windows, as the icon logic uses it.
#pragma once

#include "IconRegistry.h"

namespace vevove {

class Win32IconRegistry final : public IconRegistry {
  public:
    std::optional<SystemFailure> CreateKey(const std::string& path, RegistryKeyId& key) override;
    bool OpenKey(const std::string& path, RegistryKeyId& key) override;
    void CloseKey(RegistryKeyId key) override;
    std::vector<RegistryValue> Values(RegistryKeyId key) override;
    std::optional<SystemFailure> SetValue(RegistryKeyId key, const RegistryValue& value) override;
    std::optional<SystemFailure> DeleteValue(RegistryKeyId key,
                                             const std::u16string& name) override;
    std::u16string ValueNameForm(const std::u16string& name) override;
};

} // namespace vevove
