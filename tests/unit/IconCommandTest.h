// The icon commands against a fake desktop and registry: whatever a test did,
// no registry key stays open.
#pragma once

#include "Errors.h"
#include "FakeClock.h"
#include "FakeDesktopIcons.h"
#include "FakeDisplay.h"
#include "FakeUserRegistry.h"
#include "IconCommands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vevove::fake {

using Strings = std::vector<std::string>;

constexpr const char* kIconsKey = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr const char* kNoAnswer = "Der Desktop antwortet nicht";

// The ways to the desktop: its folder view, which knows file names, and its
// list view, which does not.
enum class Way { FolderView, ListView };

// A saved position as the registry holds it: x, then y, little-endian.
inline RegistryValue SavedPosition(const std::u16string& name, std::int32_t x, std::int32_t y) {
    RegistryValue value{name, kRegBinary, std::vector<std::uint8_t>(8)};
    std::memcpy(value.data.data(), &x, 4);
    std::memcpy(value.data.data() + 4, &y, 4);
    return value;
}

// The text of the box that reports the system error `code`.
inline std::string SystemErrorText(std::uint32_t code) {
    return "Systemfehler.  Code: " + std::to_string(code) + ".\r\n" + FakeSystemText(code);
}

// UTF-8 for the test's messages; a lone surrogate shows as "\uD800".
inline std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t code = text[i];
        const bool high = code >= 0xD800 && code < 0xDC00;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(code));
            out += escaped;
            continue;
        }
        const int extra = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        constexpr std::uint32_t kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
        out.push_back(static_cast<char>(kLead[extra] | (code >> (6 * extra))));
        for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
            out.push_back(static_cast<char>(0x80 | ((code >> shift) & 0x3F)));
        }
    }
    return out;
}

class IconCommandTest : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_TRUE(registry.openKeys.empty()); }

    // Names differ as the registry compares them.
    void save(const std::u16string& name, std::int32_t x, std::int32_t y) {
        registry.keys[kIconsKey].push_back(SavedPosition(name, x, y));
    }

    // "name=x,y" for each value of the key, in enumeration order; "name:type/size"
    // for one that is not an 8-byte REG_BINARY.
    Strings savedPositions() const {
        Strings saved;
        for (const RegistryValue& value : registry.keys.at(kIconsKey)) {
            if (value.type != kRegBinary || value.data.size() != 8) {
                saved.push_back(Utf8(value.name) + ":" + std::to_string(value.type) + "/" +
                                std::to_string(value.data.size()));
                continue;
            }
            std::int32_t point[2];
            std::memcpy(point, value.data.data(), sizeof point);
            saved.push_back(Utf8(value.name) + "=" + std::to_string(point[0]) + "," +
                            std::to_string(point[1]));
        }
        return saved;
    }

    // "label=x,y" for each icon of the desktop.
    Strings iconPositions() const {
        Strings icons;
        for (const FakeDesktopIcons::Icon& icon : desktop.icons) {
            icons.push_back(Utf8(icon.label) + "=" + std::to_string(icon.x) + "," +
                            std::to_string(icon.y));
        }
        return icons;
    }

    // The error text that `command` raised, "" when it raised none.
    static std::string RaisedBy(bool (*command)(Desktop&), Desktop& desktop) {
        try {
            command(desktop);
        } catch (const Error& error) {
            return error.what();
        }
        return "";
    }

    FakeDesktopIcons desktop;
    FakeNameMatching names;
    FakeUserRegistry registry;
    FakeDisplay display;
    FakeClock clock;
    Desktop icons{desktop, names, registry, display, clock};
};

// Through the folder view and, with the same expectations where file names
// play no part, through the list view.
class IconCommandOnWayTest : public IconCommandTest, public ::testing::WithParamInterface<Way> {
  protected:
    IconCommandOnWayTest() { desktop.knowsFileNames = GetParam() == Way::FolderView; }
    bool folderView() const { return GetParam() == Way::FolderView; }
};

inline std::string WayName(const ::testing::TestParamInfo<Way>& way) {
    return way.param == Way::FolderView ? "FolderView" : "ListView";
}

} // namespace vevove::fake
