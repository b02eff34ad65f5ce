#include "StartWithWindows.h"

#include "Errors.h"
#include "ScopeGuard.h"

#include <algorithm>
#include <vector>

namespace vevove {

namespace {

void Check(const std::optional<SystemFailure>& failure) {
    if (failure) {
        RaiseSystemError(*failure);
    }
}

// REG_SZ data: the UTF-16 units in little-endian order, with their end mark.
std::vector<std::uint8_t> StringData(const std::u16string& text) {
    std::vector<std::uint8_t> data;
    for (const char16_t unit : text + u'\0') {
        data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return data;
}

} // namespace

std::u16string StartCommand(const std::u16string& programPath) {
    return u"\"" + programPath + u"\" /minimized";
}

bool StartsWithWindows(IconRegistry& registry) {
    RegistryKeyId key = 0;
    if (!registry.OpenKey(kRunKey, key)) {
        return false;
    }
    const ScopeGuard closeKey([&] { registry.CloseKey(key); });
    const std::vector<RegistryValue> values = registry.Values(key);
    const std::u16string form = registry.ValueNameForm(kRunValueName);
    return std::any_of(values.begin(), values.end(), [&](const RegistryValue& value) {
        return registry.ValueNameForm(value.name) == form;
    });
}

void SetStartsWithWindows(IconRegistry& registry, bool on, const std::u16string& programPath) {
    if (!on && !StartsWithWindows(registry)) {
        return;
    }
    RegistryKeyId key = 0;
    Check(registry.CreateKey(kRunKey, key));
    const ScopeGuard closeKey([&] { registry.CloseKey(key); });
    if (on) {
        Check(registry.SetValue(key, {kRunValueName, kRegSz, StringData(StartCommand(programPath))}));
    } else {
        Check(registry.DeleteValue(key, kRunValueName));
    }
}

} // namespace vevove
