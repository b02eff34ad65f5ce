#include "SettingsLines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vevove {
namespace {

struct Case {
    std::string text;
    std::optional<std::int32_t> number; // nothing: the text breaks the rules
};

void ExpectNumbers(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_EQ(ParseSettingsNumber(c.text), c.number);
    }
}

constexpr std::nullopt_t kBroken = std::nullopt;

TEST(NumberRules, BlanksOnlyInFrontAndNothingElseAround) {
    ExpectNumbers({
        {"1280", 1280},
        {" 1280", 1280},
        {"     1280", 1280},
        {"", kBroken},
        {" ", kBroken},
        {"\t1280", kBroken},
        {" \t1280", kBroken},
        {std::string(1, '\x01') + "1280", kBroken},
        {"1280 ", kBroken},
        {"1280\t", kBroken},
        {"12 80", kBroken},
        {"1280.", kBroken},
        {"1,280", kBroken},
        {"1280-", kBroken},
        {"1280x", kBroken},
        {"12\xB2", kBroken}, // a superscript two is no digit
    });
}

TEST(NumberRules, OneSignDirectlyBeforeTheDigits) {
    ExpectNumbers({
        {"+1280", 1280},
        {"-1280", -1280},
        {"  -5", -5},
        {"-0", 0},
        {"+", kBroken},
        {"-", kBroken},
        {"- 5", kBroken},
        {"+-5", kBroken},
        {"--5", kBroken},
        {"5-", kBroken},
    });
}

TEST(NumberRules, LeadingZerosKeepTheNumberDecimal) {
    ExpectNumbers({
        {"0", 0},
        {"00", 0},
        {"010", 10},
        {"09", 9},
        {"00x10", kBroken},
        {std::string(5000, '0') + "1", 1},
    });
}

TEST(NumberRules, EveryHexadecimalPrefixNeedsDigits) {
    ExpectNumbers({
        {"$500", 1280},      {"x500", 1280},        {"X500", 1280},        {"0x500", 1280},
        {"0X500", 1280},     {"$abcdef", 0xABCDEF}, {"$ABCDEF", 0xABCDEF}, {" +$10", 16},
        {"-$10", -16},       {"$", kBroken},        {"x", kBroken},        {"X", kBroken},
        {"0x", kBroken},     {"0X", kBroken},       {"-$", kBroken},       {"$ 10", kBroken},
        {"$-10", kBroken},   {"$+10", kBroken},     {"$10g", kBroken},     {"$x10", kBroken},
        {"0x0x10", kBroken}, {"h10", kBroken},
    });
}

TEST(NumberRules, HexadecimalHoldsEightSignificantDigitsAsA32BitPattern) {
    ExpectNumbers({
        {"$7FFFFFFF", 2147483647},
        {"$80000000", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$0FFFFFFFF", -1},
        {"$" + std::string(5000, '0') + "1", 1},
        {"-$FFFFFFFF", 1},
        {"-$80000000", INT32_MIN},
        {"$100000000", kBroken},
        {"$FFFFFFFFF", kBroken},
    });
}

TEST(NumberRules, DecimalStaysInTheSigned32BitRange) {
    ExpectNumbers({
        {"2147483647", 2147483647},
        {"+2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"0002147483647", 2147483647},
        {"-0002147483648", INT32_MIN},
        {"2147483648", kBroken},
        {"+2147483648", kBroken},
        {"-2147483649", kBroken},
        {"4294967296", kBroken},
        {"4294968576", kBroken}, // 2^32 + 1280
        {std::string(5000, '9'), kBroken},
    });
}

} // namespace
} // namespace vevove
