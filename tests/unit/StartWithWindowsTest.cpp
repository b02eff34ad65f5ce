// "Start with Windows": the Run value that starts this program minimized.
#include "StartWithWindows.h"

#include "Errors.h"
#include "FakeIconRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

constexpr char16_t kProgram[] = u"C:\\Program Files\\Vevove \u00C4\u4E2D\\Vevove.exe";

std::vector<std::uint8_t> Utf16Bytes(const std::u16string& text) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

TEST(StartWithWindowsTest, TheRunValueComesAndGoesBesideTheOthers) {
    FakeIconRegistry registry;
    registry.keys[kRunKey] = {{u"Other", kRegSz, Utf16Bytes(u"other.exe")}};
    EXPECT_FALSE(StartsWithWindows(registry));

    SetStartsWithWindows(registry, true, kProgram);
    EXPECT_TRUE(StartsWithWindows(registry));
    ASSERT_EQ(registry.keys[kRunKey].size(), 2u);
    const RegistryValue& value = registry.keys[kRunKey][1];
    EXPECT_EQ(value.name, u"Vevove");
    EXPECT_EQ(value.type, kRegSz);
    EXPECT_EQ(value.data,
              Utf16Bytes(u"\"C:\\Program Files\\Vevove \u00C4\u4E2D\\Vevove.exe\" /minimized"));

    SetStartsWithWindows(registry, false, kProgram);
    EXPECT_FALSE(StartsWithWindows(registry));
    ASSERT_EQ(registry.keys[kRunKey].size(), 1u);
    EXPECT_EQ(registry.keys[kRunKey][0].name, u"Other");
    EXPECT_TRUE(registry.openKeys.empty());

    // Written by hand under another spelling, it still counts, and goes.
    registry.keys[kRunKey].push_back({u"VEVOVE", kRegSz, Utf16Bytes(u"x")});
    EXPECT_TRUE(StartsWithWindows(registry));
    SetStartsWithWindows(registry, false, kProgram);
    EXPECT_FALSE(StartsWithWindows(registry));

    // Without the Run key, off is off already.
    registry.keys.clear();
    SetStartsWithWindows(registry, false, kProgram);
    EXPECT_TRUE(registry.keys.empty());
}

TEST(StartWithWindowsTest, ARefusingRegistryGivesTheSystemErrorAndChangesNothing) {
    const char* const operations[] = {"CreateKey", "SetValue", "DeleteValue"};
    for (const char* operation : operations) {
        SCOPED_TRACE(operation);
        FakeIconRegistry registry;
        const bool wasOn = std::string(operation) == "DeleteValue";
        if (wasOn) {
            SetStartsWithWindows(registry, true, kProgram);
        }
        registry.failures.FailNext(operation, kErrorAccessDenied);
        try {
            SetStartsWithWindows(registry, !wasOn, kProgram);
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.kind(), ErrorKind::System);
        }
        EXPECT_TRUE(registry.failures.Fired(operation));
        EXPECT_EQ(StartsWithWindows(registry), wasOn);
        EXPECT_TRUE(registry.openKeys.empty());
    }
}

} // namespace
} // namespace vevove::fake
