// The system's ANSI code page as far as the logic asks about it: lower case
// and double-byte lead bytes.
#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace vevove::fake {

// A to Z made lower case; every other byte stays as it is.
std::string AsciiLower(std::string text);

struct FakeCodePage {
    // Empty for a single-byte code page such as 1252, the default.
    std::set<std::uint8_t> leadBytes;

    // The lead bytes of code page 932 (Japanese, Shift JIS), in which the
    // trail byte of a character can be 0x5C, the backslash.
    void useShiftJis();

    // CharLowerBuffA, as far as the fake knows letters: A to Z only.
    std::string lower(const std::string& text) const { return AsciiLower(text); }
    bool isLeadByte(std::uint8_t byte) const { return leadBytes.count(byte) != 0; }
};

} // namespace vevove::fake
