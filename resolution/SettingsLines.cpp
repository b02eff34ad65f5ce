#include "SettingsLines.h"

#include <algorithm>
#include <cstring>

namespace vevove {

namespace {

constexpr std::size_t kMaxLineLength = 4096;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Length of a hexadecimal prefix at `pos`, 0 when there is none.
std::size_t HexPrefixLength(const std::string& text, std::size_t pos) {
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        return 1;
    }
    if (pos + 1 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        return 2;
    }
    return 0;
}

std::optional<std::uint32_t> ParseHexDigits(const std::string& text, std::size_t pos) {
    if (pos == text.size()) {
        return std::nullopt; // a prefix without digits
    }
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = HexDigitValue(text[pos]);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt; // more than 8 significant digits
        }
    }
    return static_cast<std::uint32_t>(value);
}

// Decimal digits as a magnitude up to 2^31, the largest a negative number needs.
std::optional<std::uint64_t> ParseDecimalDigits(const std::string& text, std::size_t pos) {
    if (pos == text.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (value > 0x80000000u) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::array<std::string, 3> SplitSettingsLines(const std::string& bytes) {
    const std::size_t end = std::min(bytes.size(), std::strlen(bytes.c_str()));
    std::array<std::string, 3> lines;
    std::size_t pos = 0;
    for (std::string& line : lines) {
        if (pos >= end) {
            break;
        }
        std::size_t lineEnd = bytes.find_first_of("\r\n", pos);
        if (lineEnd == std::string::npos || lineEnd > end) {
            lineEnd = end;
        }
        line = bytes.substr(pos, std::min(lineEnd - pos, kMaxLineLength));
        pos = lineEnd;
        if (pos < end && bytes[pos] == '\r') {
            ++pos;
            if (pos < end && bytes[pos] == '\n') {
                ++pos;
            }
        } else if (pos < end) {
            ++pos; // a lone LF
        }
    }
    return lines;
}

std::string JoinSettingsLines(const std::string& width, const std::string& height, bool autoMode) {
    return width + "\r\n" + height + "\r\n" + (autoMode ? "auto" : "manual") + "\r\n";
}

bool HasVisibleByte(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 0x20; });
}

std::optional<std::int32_t> ParseSettingsNumber(const std::string& text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string::npos) {
        return std::nullopt;
    }
    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+') {
        ++pos;
    }
    if (const std::size_t prefix = HexPrefixLength(text, pos); prefix > 0) {
        const std::optional<std::uint32_t> pattern = ParseHexDigits(text, pos + prefix);
        if (!pattern) {
            return std::nullopt;
        }
        const auto value = static_cast<std::int32_t>(*pattern);
        // Negating the pattern 0x80000000 wraps to itself, as 32-bit arithmetic does.
        return negative ? static_cast<std::int32_t>(0u - *pattern) : value;
    }
    const std::optional<std::uint64_t> magnitude = ParseDecimalDigits(text, pos);
    if (!magnitude || (!negative && *magnitude > 0x7FFFFFFFu)) {
        return std::nullopt;
    }
    return negative ? static_cast<std::int32_t>(0 - static_cast<std::int64_t>(*magnitude))
                    : static_cast<std::int32_t>(*magnitude);
}

} // namespace vevove
