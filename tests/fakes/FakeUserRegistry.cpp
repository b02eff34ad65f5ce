#include "FakeUserRegistry.h"

#include "FoldedCase.h"

#include <algorithm>

namespace vevove::fake {

namespace {

std::vector<RegistryValue>::iterator Find(std::vector<RegistryValue>& values,
                                          const std::u16string& name) {
    return std::find_if(values.begin(), values.end(), [&](const RegistryValue& value) {
        return FoldedCase(value.name) == FoldedCase(name);
    });
}

SystemFailure Failure(std::uint32_t code) {
    return SystemFailure{code, FakeSystemText(code)};
}

} // namespace

std::optional<SystemFailure> FakeUserRegistry::CreateKey(const std::string& path,
                                                         RegistryKeyId& key) {
    if (auto failure = failures.Take("CreateKey")) {
        return failure;
    }
    keys[path];
    key = next_ += 4;
    openKeys[key] = path;
    return std::nullopt;
}

bool FakeUserRegistry::OpenKey(const std::string& path, RegistryKeyId& key) {
    if (failures.Take("OpenKey") || keys.count(path) == 0) {
        return false;
    }
    key = next_ += 4;
    openKeys[key] = path;
    return true;
}

std::vector<RegistryValue>* FakeUserRegistry::ValuesOfOpen(RegistryKeyId key) {
    const auto open = openKeys.find(key);
    const auto found = open == openKeys.end() ? keys.end() : keys.find(open->second);
    return found == keys.end() ? nullptr : &found->second;
}

std::vector<RegistryValue> FakeUserRegistry::Values(RegistryKeyId key) {
    std::vector<RegistryValue> values;
    const std::vector<RegistryValue>* stored = ValuesOfOpen(key);
    for (std::size_t i = 0; stored != nullptr && i < stored->size(); ++i) {
        if (failures.Take("Values")) {
            break;
        }
        values.push_back((*stored)[i]);
    }
    return values;
}

std::optional<SystemFailure> FakeUserRegistry::SetValue(RegistryKeyId key,
                                                        const RegistryValue& value) {
    if (auto failure = failures.Take("SetValue")) {
        return failure;
    }
    std::vector<RegistryValue>* values = ValuesOfOpen(key);
    if (values == nullptr) {
        return Failure(kErrorInvalidHandle);
    }
    const auto same = Find(*values, value.name);
    if (same == values->end()) {
        values->push_back(value);
    } else {
        same->type = value.type;
        same->data = value.data;
    }
    return std::nullopt;
}

std::optional<SystemFailure> FakeUserRegistry::DeleteValue(RegistryKeyId key,
                                                           const std::u16string& name) {
    if (auto failure = failures.Take("DeleteValue")) {
        return failure;
    }
    std::vector<RegistryValue>* values = ValuesOfOpen(key);
    if (values == nullptr) {
        return Failure(kErrorInvalidHandle);
    }
    const auto same = Find(*values, name);
    if (same != values->end()) {
        values->erase(same);
    }
    return std::nullopt;
}

std::vector<std::string> FakeUserRegistry::SubkeyNames(const std::string& path) {
    const std::string head = path + "\\";
    std::vector<std::string> names;
    for (const auto& [keyPath, values] : keys) {
        if (keyPath.compare(0, head.size(), head) == 0) {
            const std::string name =
                keyPath.substr(head.size(), keyPath.find('\\', head.size()) - head.size());
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(name);
            }
        }
    }
    return names;
}

std::optional<SystemFailure> FakeUserRegistry::DeleteKey(const std::string& path) {
    if (auto failure = failures.Take("DeleteKey")) {
        return failure;
    }
    keys.erase(path);
    return std::nullopt;
}

std::u16string FakeUserRegistry::ValueNameForm(const std::u16string& name) {
    return FoldedCase(name);
}

} // namespace vevove::fake
