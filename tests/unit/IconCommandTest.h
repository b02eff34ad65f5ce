// The icon commands against a fake desktop and registry: whatever a test did,
// the shell keeps no block and no handle of ours, no registry key stays open,
// the shell's list view never read or wrote outside the block, and nothing
// waited for a list view that did not answer.
#pragma once

#include "Errors.h"
#include "FakeDesktop.h"
#include "FakeIconRegistry.h"
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
    void TearDown() override {
        EXPECT_TRUE(desktop.blocks.empty());
        EXPECT_TRUE(desktop.openProcesses.empty());
        EXPECT_TRUE(registry.openKeys.empty());
        EXPECT_EQ(desktop.strayAccesses, 0);
        EXPECT_EQ(desktop.blockedCalls, 0);
    }

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

    // "text=x,y" for each item of the list view.
    Strings iconPositions() const {
        Strings icons;
        for (const FakeDesktop::Item& item : desktop.items) {
            icons.push_back(Utf8(item.text) + "=" + std::to_string(item.x) + "," +
                            std::to_string(item.y));
        }
        return icons;
    }

    // The error text that `command` raised, "" when it raised none.
    static std::string RaisedBy(void (*command)(Desktop&), Desktop& desktop) {
        try {
            command(desktop);
        } catch (const Error& error) {
            return error.what();
        }
        return "";
    }

    FakeDesktop desktop;
    FakeIconRegistry registry;
    Desktop icons{desktop, desktop, registry};
};

// Against a 64-bit shell and, with the same expectations, a 32-bit one.
class IconCommandOnShellTest : public IconCommandTest, public ::testing::WithParamInterface<int> {
  protected:
    IconCommandOnShellTest() {
        desktop.shellPointerBits = GetParam();
        desktop.StartShell();
    }
};

} // namespace vevove::fake
