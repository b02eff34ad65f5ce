// The current user's registry as plain state: each key by its path, with its
// values in the order they were first written. Value names compare as
// FoldedCase folds them, and a value keeps the spelling it was first written
// with. The keys still open are kept, so that a test can see none stays open.
// Failures: "CreateKey", "OpenKey", "SetValue", "DeleteValue", "DeleteKey",
// and "Values",
// asked before each value is read: a failure ends the values there, as an
// enumeration that fails does.
#pragma once

#include "InjectedFailures.h"
#include "UserRegistry.h"

#include <map>
#include <string>
#include <vector>

namespace vevove::fake {

class FakeUserRegistry : public UserRegistry {
  public:
    std::map<std::string, std::vector<RegistryValue>> keys;
    std::map<RegistryKeyId, std::string> openKeys; // the path of each
    InjectedFailures failures;

    std::optional<SystemFailure> CreateKey(const std::string& path, RegistryKeyId& key) override;
    bool OpenKey(const std::string& path, RegistryKeyId& key) override;
    void CloseKey(RegistryKeyId key) override { openKeys.erase(key); }
    std::vector<RegistryValue> Values(RegistryKeyId key) override;
    std::optional<SystemFailure> SetValue(RegistryKeyId key, const RegistryValue& value) override;
    std::optional<SystemFailure> DeleteValue(RegistryKeyId key,
                                             const std::u16string& name) override;
    std::vector<std::string> SubkeyNames(const std::string& path) override;
    std::optional<SystemFailure> DeleteKey(const std::string& path) override;
    std::u16string ValueNameForm(const std::u16string& name) override;

  private:
    // The values of an open key; nullptr when it was deleted while open.
    std::vector<RegistryValue>* ValuesOfOpen(RegistryKeyId key);

    RegistryKeyId next_ = 0x1A4;
};

} // namespace vevove::fake
