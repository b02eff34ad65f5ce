#include "ResolutionMonitor.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vevove {

namespace {

constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";
constexpr char16_t kMonitorValueName[] = u"ResolutionMonitor";

// Device paths are compared as Windows compares them: without regard to the
// case of their ASCII letters.
char16_t Folded(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

bool SameDevicePath(const std::u16string& one, const std::u16string& other) {
    return std::equal(one.begin(), one.end(), other.begin(), other.end(),
                      [](char16_t a, char16_t b) { return Folded(a) == Folded(b); });
}

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
    return SameDevicePath(*recorded, resolution.display.PrimaryMonitor());
}

} // namespace vevove
