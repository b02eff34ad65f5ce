#include "ReferenceLoad.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace vevove::robustness {

namespace {

constexpr std::size_t kLineLimit = 4096;

// The first three lines: the text before its first NUL with every CR LF and
// lone CR turned into LF, split at the LFs.
std::vector<std::string> FirstThreeLines(const std::string& file) {
    std::string text;
    int lineEnds = 0;
    for (std::size_t i = 0; i < file.size() && file[i] != '\0' && lineEnds < 3; ++i) {
        if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n') {
            continue; // the LF that follows ends the line
        }
        text += file[i] == '\r' ? '\n' : file[i];
        lineEnds += text.back() == '\n' ? 1 : 0;
    }
    std::vector<std::string> lines(3);
    std::size_t start = 0;
    for (std::string& line : lines) {
        if (start > text.size()) {
            break;
        }
        const std::size_t end = std::min(text.find('\n', start), text.size());
        line = text.substr(start, std::min(end - start, kLineLimit));
        start = end + 1;
    }
    return lines;
}

bool IsDigitOf(char c, int base) {
    if (c >= '0' && c <= '9') {
        return true;
    }
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

std::optional<std::uint32_t> NumberBits(const std::string& line) {
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos) {
        return std::nullopt;
    }
    const bool negative = line[i] == '-';
    if (line[i] == '+' || line[i] == '-') {
        ++i;
    }
    std::string digits = line.substr(i);
    int base = 10;
    if (digits.rfind("0x", 0) == 0 || digits.rfind("0X", 0) == 0) {
        base = 16;
        digits.erase(0, 2);
    } else if (!digits.empty() && (digits[0] == '$' || digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.erase(0, 1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    for (const char c : digits) {
        if (!IsDigitOf(c, base)) {
            return std::nullopt;
        }
    }
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    digits = firstSignificant == std::string::npos ? "0" : digits.substr(firstSignificant);
    if (digits.size() > (base == 16 ? 8u : 10u)) {
        return std::nullopt;
    }
    const std::uint64_t magnitude = std::stoull(digits, nullptr, base);
    if (base == 10 && magnitude > (negative ? 2147483648u : 2147483647u)) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return negative ? 0u - bits : bits;
}

bool HasByteAbove0x20(const std::string& line) {
    for (const char c : line) {
        if (static_cast<unsigned char>(c) > 0x20) {
            return true;
        }
    }
    return false;
}

} // namespace

LoadedState ReferenceLoad(const LoadedState& before, const std::string& file) {
    const std::vector<std::string> lines = FirstThreeLines(file);
    LoadedState after = before;
    after.autoChecked = before.autoChecked || lines[2] == "auto";
    std::string* texts[] = {&after.widthText, &after.heightText};
    std::uint16_t* saved[] = {&after.savedWidth, &after.savedHeight};
    for (int n = 0; n < 2; ++n) {
        if (!HasByteAbove0x20(lines[n])) {
            continue;
        }
        *texts[n] = lines[n];
        const std::optional<std::uint32_t> bits = NumberBits(lines[n]);
        if (!bits) {
            break;
        }
        *saved[n] = static_cast<std::uint16_t>(*bits);
    }
    return after;
}

} // namespace vevove::robustness
