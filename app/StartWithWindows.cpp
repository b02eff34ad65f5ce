#include "StartWithWindows.h"

#include <vector>

namespace vevove {

namespace {

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

bool StartsWithWindows(UserRegistry& registry) {
    return RegistryKey::Open(registry, kRunKey).Find(kRunValueName).has_value();
}

void SetStartsWithWindows(UserRegistry& registry, bool on, const std::u16string& programPath) {
    if (!on && !StartsWithWindows(registry)) {
        return;
    }
    const RegistryKey run = RegistryKey::Create(registry, kRunKey);
    if (on) {
        run.Set({kRunValueName, kRegSz, StringData(StartCommand(programPath))});
    } else {
        run.Delete(kRunValueName);
    }
}

} // namespace vevove
