#include "ResolutionMonitor.h"

#include <optional>
#include <string>

namespace vevove {

namespace {

constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";
constexpr char16_t kMonitorValueName[] = u"ResolutionMonitor";

} // namespace

void RecordResolutionMonitor(Resolution& resolution) {
    const std::u16string primary = resolution.display.PrimaryMonitor();
    const RegistryKey options = RegistryKey::Create(resolution.registry, kOptionsKey);
    if (primary.empty()) {
        options.Delete(kMonitorValueName);
    } else {
        options.Set(TextValue(kMonitorValueName, primary));
    }
}

bool OnResolutionMonitor(Resolution& resolution) {
    const std::optional<RegistryValue> value =
        RegistryKey::Open(resolution.registry, kOptionsKey).Find(kMonitorValueName);
    const std::optional<std::u16string> recorded = value ? TextOf(*value) : std::nullopt;
    if (!recorded || recorded->empty()) {
        return true;
    }
    // Device paths compare without regard to case, as the registry compares
    // names.
    UserRegistry& registry = resolution.registry;
    return registry.ValueNameForm(*recorded) ==
           registry.ValueNameForm(resolution.display.PrimaryMonitor());
}

} // namespace vevove
