// The main window on the simulated platform with a desktop shell running, for
// the tests of the icon commands: whatever a test did, the shell keeps no
// block and no handle of ours, no registry key stays open, and the shell's
// list view never read or wrote outside the block.
#pragma once

#include "tests/unit/MainWindowTest.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace vevove::fake {

constexpr const char* kIconsKey = "Software\\VUD\\Rovaraz Urov Adivuded Evare";

// A saved position as the registry holds it: x, then y, little-endian.
inline std::vector<std::uint8_t> PositionBytes(std::int32_t x, std::int32_t y) {
    std::vector<std::uint8_t> bytes(8);
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(x) >> (8 * i));
        bytes[4 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(y) >> (8 * i));
    }
    return bytes;
}

class IconCommandTest : public MainWindowTest {
  protected:
    void TearDown() override {
        MainWindowTest::TearDown();
        EXPECT_TRUE(os.desktop.process.blocks().empty());
        EXPECT_EQ(os.registry.openKeys(), std::vector<std::string>{});
        EXPECT_EQ(os.desktop.process.strayAccesses, 0);
    }

    FakeListView& listView() { return os.desktop.listView; }

    // "name=x,y" for each value of the key, in enumeration order; "name:type/size"
    // for one that is not an 8-byte REG_BINARY.
    std::vector<std::string> savedPositions() const {
        std::vector<std::string> saved;
        for (const auto& value : os.registry.values(kIconsKey)) {
            if (value.type != kRegBinaryType || value.data.size() != 8) {
                saved.push_back(value.name + ":" + std::to_string(value.type) + "/" +
                                std::to_string(value.data.size()));
                continue;
            }
            std::int32_t point[2];
            std::memcpy(point, value.data.data(), sizeof point);
            saved.push_back(value.name + "=" + std::to_string(point[0]) + "," +
                            std::to_string(point[1]));
        }
        return saved;
    }

    // "text=x,y" for each item of the list view.
    std::vector<std::string> iconPositions() {
        std::vector<std::string> icons;
        for (const auto& item : listView().items) {
            icons.push_back(item.text + "=" + std::to_string(item.x) + "," +
                            std::to_string(item.y));
        }
        return icons;
    }
};

} // namespace vevove::fake
