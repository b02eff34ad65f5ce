#include "StartWithWindows.h"

#include <optional>

namespace vevove {

namespace {

// The program that a Run value's text starts.
std::u16string StartedProgram(const std::u16string& command) {
    const std::size_t start = command.find_first_not_of(u' ');
    if (start == std::u16string::npos) {
        return {};
    }
    if (command[start] == u'"') {
        const std::size_t end = command.find(u'"', start + 1);
        return command.substr(start + 1, end == std::u16string::npos ? end : end - start - 1);
    }
    return command.substr(start, command.find(u' ', start) - start);
}

} // namespace

std::u16string StartCommand(const std::u16string& programPath) {
    return u"\"" + programPath + u"\" /background";
}

// Paths compare as the registry compares names: both fold case by the
// system's own table.
bool StartsWithWindows(UserRegistry& registry, const std::u16string& programPath) {
    const std::optional<RegistryValue> value =
        RegistryKey::Open(registry, kRunKey).Find(kRunValueName);
    const std::optional<std::u16string> command = value ? TextOf(*value) : std::nullopt;
    return command &&
           registry.ValueNameForm(StartedProgram(*command)) == registry.ValueNameForm(programPath);
}

void SetStartsWithWindows(UserRegistry& registry, bool on, const std::u16string& programPath) {
    if (!on && !RegistryKey::Open(registry, kRunKey).Find(kRunValueName)) {
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
