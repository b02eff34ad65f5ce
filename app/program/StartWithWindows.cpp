#include "StartWithWindows.h"

namespace vevove {

std::u16string StartCommand(const std::u16string& programPath) {
    return u"\"" + programPath + u"\" /background";
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
        run.Set(TextValue(kRunValueName, StartCommand(programPath)));
    } else {
        run.Delete(kRunValueName);
    }
}

} // namespace vevove
