// A display that switches to the modes its driver offers and remembers every
// change it was asked for.
#pragma once

#include "Display.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vevove::fake {

class FakeDisplay : public Display {
  public:
    ScreenSize current{1024, 768};
    std::set<std::pair<std::uint32_t, std::uint32_t>> modes{
        {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
    // Every change asked for, accepted or not.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> changes;

    // The primary monitor follows the mode.
    std::vector<Monitor> others;
    unsigned dpi = 96;
    std::u16string primaryMonitor = u"\\\\?\\DISPLAY#LAP0001#4&1#{e6f07b5f}";

    ScreenSize CurrentSize() override { return current; }
    std::vector<Monitor> Monitors() override {
        std::vector<Monitor> all{{0, 0, current.width, current.height, dpi}};
        all.insert(all.end(), others.begin(), others.end());
        return all;
    }
    std::u16string PrimaryMonitor() override { return primaryMonitor; }

    bool ChangeMode(std::uint32_t width, std::uint32_t height) override {
        changes.emplace_back(width, height);
        if (modes.count({width, height}) == 0) {
            return false;
        }
        current = ScreenSize{static_cast<int>(width), static_cast<int>(height)};
        return true;
    }
};

} // namespace vevove::fake
