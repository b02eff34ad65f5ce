// "Start with Windows": the Run value that starts this program minimized.
#include "StartWithWindows.h"

#include "ErrorThrownBy.h"
#include "FakeUserRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

constexpr char16_t kProgram[] = u"C:\\Program Files\\Vevove \u00C4\u4E2D\\Vevove.exe";

// A REG_SZ value's text, read back unit by unit (little-endian); "(no end
// mark)" when its last unit is not 0.
std::u16string WrittenText(const RegistryValue& value) {
    std::u16string text;
    for (std::size_t at = 0; at + 1 < value.data.size(); at += 2) {
        text.push_back(static_cast<char16_t>(value.data[at] | (value.data[at + 1] << 8)));
    }
    if (value.data.size() % 2 != 0 || text.empty() || text.back() != u'\0') {
        return u"(no end mark)";
    }
    text.pop_back();
    return text;
}

TEST(StartWithWindowsTest, TheRunValueComesAndGoesBesideTheOthers) {
    FakeUserRegistry registry;
    registry.keys[kRunKey] = {{u"Other", kRegSz, {'x', 0, 0, 0}}};
    EXPECT_FALSE(StartsWithWindows(registry, kProgram));

    SetStartsWithWindows(registry, true, kProgram);
    EXPECT_TRUE(StartsWithWindows(registry, kProgram));
    ASSERT_EQ(registry.keys[kRunKey].size(), 2u);
    const RegistryValue& value = registry.keys[kRunKey][1];
    EXPECT_EQ(value.name, u"Vevove");
    EXPECT_EQ(value.type, kRegSz);
    EXPECT_EQ(WrittenText(value),
              u"\"C:\\Program Files\\Vevove \u00C4\u4E2D\\Vevove.exe\" /background");

    SetStartsWithWindows(registry, false, kProgram);
    EXPECT_FALSE(StartsWithWindows(registry, kProgram));
    ASSERT_EQ(registry.keys[kRunKey].size(), 1u);
    EXPECT_EQ(registry.keys[kRunKey][0].name, u"Other");
    EXPECT_TRUE(registry.openKeys.empty());

    // Whatever it names, under another spelling, it goes.
    registry.keys[kRunKey].push_back({u"VEVOVE", kRegSz, {'x', 0, 0, 0}});
    SetStartsWithWindows(registry, false, kProgram);
    ASSERT_EQ(registry.keys[kRunKey].size(), 1u);

    // Without the Run key, off is off already.
    registry.keys.clear();
    SetStartsWithWindows(registry, false, kProgram);
    EXPECT_TRUE(registry.keys.empty());
}

// Checked only while the value starts this very program; chosen then, it
// points the value at this program.
TEST(StartWithWindowsTest, OnlyAValueThatStartsThisProgramCounts) {
    struct Case {
        const char* name;
        RegistryValue value;
        bool on;
    };
    const Case cases[] = {
        {"this program", TextValue(u"Vevove", StartCommand(kProgram)), true},
        {"written by an earlier version, in other capitals",
         TextValue(u"VEVOVE", u"\"c:\\PROGRAM FILES\\vevove \u00E4\u4E2D\\vevove.EXE\" /minimized"),
         true},
        {"expandable text",
         {u"Vevove", kRegExpandSz, TextValue(u"", StartCommand(kProgram)).data},
         true},
        {"a program moved since", TextValue(u"Vevove", u"\"D:\\Old\\Vevove.exe\" /minimized"),
         false},
        {"another path without quotes", TextValue(u"Vevove", u"C:\\Tools\\Vevove.exe /minimized"),
         false},
        {"a path that only begins as this one's",
         TextValue(u"Vevove", u"\"C:\\Program Files\\Vevove \u00C4\u4E2D\\Vevove.exe.old\""),
         false},
        {"no text", {u"Vevove", kRegDword, {1, 0, 0, 0}}, false},
        {"an empty text", TextValue(u"Vevove", u""), false},
        {"this program, its quote not closed",
         TextValue(u"Vevove", u"  \"C:\\Program Files\\Vevove \u00C4\u4E2D\\Vevove.exe"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeUserRegistry registry;
        registry.keys[kRunKey] = {c.value};
        EXPECT_EQ(StartsWithWindows(registry, kProgram), c.on);
        if (!c.on) {
            SetStartsWithWindows(registry, true, kProgram);
            EXPECT_TRUE(StartsWithWindows(registry, kProgram));
            EXPECT_EQ(registry.keys[kRunKey].size(), 1u);
        }
    }
}

TEST(StartWithWindowsTest, ARefusingRegistryGivesTheSystemErrorAndChangesNothing) {
    const char* const operations[] = {"CreateKey", "SetValue", "DeleteValue"};
    for (const char* operation : operations) {
        SCOPED_TRACE(operation);
        FakeUserRegistry registry;
        const bool wasOn = std::string(operation) == "DeleteValue";
        if (wasOn) {
            SetStartsWithWindows(registry, true, kProgram);
        }
        registry.failures.FailNext(operation, kErrorAccessDenied);
        const Error error =
            ErrorThrownBy([&] { SetStartsWithWindows(registry, !wasOn, kProgram); });
        EXPECT_EQ(error.kind(), ErrorKind::System);
        EXPECT_TRUE(registry.failures.Fired(operation));
        EXPECT_EQ(StartsWithWindows(registry, kProgram), wasOn);
        EXPECT_TRUE(registry.openKeys.empty());
    }
}

} // namespace
} // namespace vevove::fake
