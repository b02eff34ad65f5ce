#include "DisplaySetup.h"

#include "Format.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace vevove {

namespace {

std::string SizeAndScaling(const Monitor& monitor) {
    const unsigned percent = (monitor.dpi * 100 + 48) / 96;
    return std::to_string(monitor.width) + " x " + std::to_string(monitor.height) + " at " +
           std::to_string(percent) + " %";
}

// FNV-1a, 32 bits.
std::uint32_t HashOf(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (const char unit : text) {
        hash = (hash ^ static_cast<unsigned char>(unit)) * 16777619u;
    }
    return hash;
}

} // namespace

std::string SetupName(std::vector<Monitor> monitors) {
    if (monitors.size() == 1) {
        return SizeAndScaling(monitors.front());
    }
    std::sort(monitors.begin(), monitors.end(), [](const Monitor& a, const Monitor& b) {
        return std::tie(a.left, a.top, a.width, a.height, a.dpi) <
               std::tie(b.left, b.top, b.width, b.height, b.dpi);
    });
    std::string name;
    for (const Monitor& monitor : monitors) {
        name += (name.empty() ? "" : " + ") + SizeAndScaling(monitor) + " at " +
                std::to_string(monitor.left) + "," + std::to_string(monitor.top);
    }
    if (name.size() <= kLongestSetupName) {
        return name;
    }
    const std::string hash = Format(" #%08X", static_cast<unsigned>(HashOf(name)));
    return name.substr(0, kLongestSetupName - hash.size()) + hash;
}

} // namespace vevove
