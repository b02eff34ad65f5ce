#include "SettingsFileInputs.h"

#include <array>
#include <string>
#include <vector>

namespace vevove::robustness {

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

namespace {

constexpr std::size_t kHugeSize = std::size_t{10} * 1024 * 1024;

template <typename T, std::size_t N> const T& Pick(Random& random, const std::array<T, N>& items) {
    return items[random.below(N)];
}

const std::array<const char*, 21> kDecimals = {
    "0",          "1",           "640",
    "1024",       "1280",        "32767",
    "32768",      "65535",       "65536",
    "66816",      "70000",       "99999",
    "2147483647", "2147483648",  "2147483649",
    "4294967295", "4294967296",  "4294968576",
    "9999999999", "10000000000", "18446744073709551616",
};
const std::array<const char*, 13> kHexDigits = {
    "0",        "10",       "500",       "FFFF",      "10000",    "7FFFFFFF", "80000000",
    "FFFFFFFF", "ffffffff", "100000000", "FFFFFFFFF", "DeadBeef", "abcdef",
};
const std::array<std::size_t, 5> kLongLineLengths = {4095, 4096, 4097, 5000, 5000};
const std::array<const char*, 5> kHexPrefixes = {"$", "x", "X", "0x", "0X"};
const std::array<const char*, 7> kSigns = {"", "", "", "+", "-", "--", "+-"};
const std::array<const char*, 10> kThirdLines = {"auto",  "auto",  "manual",   "Auto", "AUTO",
                                                 "auto ", " auto", "autoauto", "aut",  ""};
const std::array<const char*, 8> kLineEnds = {"\r\n", "\r\n", "\r\n", "\n",
                                              "\r",   "\n\r", "\r\r", ""};
const std::array<char, 24> kInterestingBytes = {
    '\0', '\r', '\n', ' ', '\t', '+', '-', '$', 'x', 'X',    '0',    '1',
    '9',  'a',  'f',  'F', 'g',  'u', 't', 'o', '.', '\x1F', '\x7F', '\xFF'};

std::string Blanks(Random& random) {
    std::string blanks(random.percent(70) ? 0 : random.below(4), ' ');
    if (random.percent(5)) {
        blanks.insert(random.below(blanks.size() + 1), 1, random.percent(50) ? '\t' : '\x01');
    }
    return blanks;
}

std::string Digits(Random& random, const char* alphabet, std::size_t alphabetSize) {
    std::string digits(1 + random.below(12), '0');
    for (char& c : digits) {
        c = alphabet[random.below(alphabetSize)];
    }
    return digits;
}

std::string LeadingZeros(Random& random) {
    if (random.percent(1)) {
        return std::string(4000 + random.below(1200), '0');
    }
    return std::string(random.percent(80) ? 0 : random.below(10), '0');
}

std::string Number(Random& random) {
    std::string number = Blanks(random) + Pick(random, kSigns);
    if (random.percent(5)) {
        number += Blanks(random);
    }
    if (random.percent(40)) {
        number += Pick(random, kHexPrefixes);
        if (!random.percent(3)) {
            number += LeadingZeros(random) + (random.percent(70)
                                                  ? std::string(Pick(random, kHexDigits))
                                                  : Digits(random, "0123456789abcdefABCDEF", 22));
        }
    } else {
        number += LeadingZeros(random) + (random.percent(70) ? std::string(Pick(random, kDecimals))
                                                             : Digits(random, "0123456789", 10));
    }
    if (random.percent(10)) {
        number += Pick(random, kInterestingBytes);
    }
    return number;
}

std::string LineOfLength(Random& random, std::size_t length) {
    const char filler = random.percent(50) ? ' ' : "0123456789$x \t"[random.below(14)];
    std::string line(length, filler);
    if (!line.empty() && random.percent(50)) {
        line.back() = '7';
    }
    return line;
}

// Up to five lines, the first two mostly numbers, the third mostly a mode.
std::string StructuredFile(Random& random) {
    std::string file;
    const std::uint64_t lines = random.below(6);
    for (std::uint64_t line = 0; line < lines; ++line) {
        if (random.percent(2)) {
            file += LineOfLength(random, Pick(random, kLongLineLengths));
        } else if (line == 2 || random.percent(5)) {
            file += Pick(random, kThirdLines);
        } else {
            file += Number(random);
        }
        file += Pick(random, kLineEnds);
    }
    if (random.percent(3)) {
        file.insert(random.below(file.size() + 1), 1, '\0');
    }
    return file;
}

std::string RawBytes(Random& random) {
    std::string bytes(random.below(64), '\0');
    for (char& c : bytes) {
        c = random.percent(50) ? static_cast<char>(random.below(256))
                               : Pick(random, kInterestingBytes);
    }
    return bytes;
}

// Small edits of a well-formed file: bytes changed, inserted, removed,
// repeated, or the file cut short.
std::string MutatedFile(Random& random) {
    std::string file = StructuredFile(random);
    for (std::uint64_t edits = 1 + random.below(4); edits > 0; --edits) {
        const std::size_t at = random.below(file.size() + 1);
        switch (random.below(5)) {
        case 0:
            if (at < file.size()) {
                file[at] = Pick(random, kInterestingBytes);
            }
            break;
        case 1:
            file.insert(at, 1, Pick(random, kInterestingBytes));
            break;
        case 2:
            file.erase(at, random.below(8));
            break;
        case 3:
            file.insert(at, file.substr(at, random.below(16)));
            break;
        default:
            file.resize(at);
            break;
        }
    }
    return file;
}

std::string HugeFile(Random& random, std::uint64_t variant) {
    switch (variant % 4) {
    case 0: // a good file followed by junk
        return "1280\r\n1024\r\nauto\r\n" + std::string(kHugeSize, 'z');
    case 1: // one line of digits
        return std::string(kHugeSize, '1') + "\r\n768\r\nauto\r\n";
    case 2: // nothing but line ends
        return std::string(kHugeSize, random.percent(50) ? '\n' : '\r');
    default: { // bytes without a NUL, then a NUL near the end
        std::string bytes(kHugeSize, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(1 + random.below(255));
        }
        bytes[kHugeSize - 10] = '\0';
        return bytes;
    }
    }
}

} // namespace

std::string SettingsFileInput(std::uint64_t seed, std::uint64_t index) {
    Random random(seed * 0xD1B54A32D192ED03u + index);
    if (index % kHugeEvery == kHugeEvery / 2) {
        return HugeFile(random, index / kHugeEvery);
    }
    const std::uint64_t kind = random.below(100);
    if (kind < 55) {
        return StructuredFile(random);
    }
    if (kind < 85) {
        return MutatedFile(random);
    }
    return RawBytes(random);
}

std::string BoxTextInput(Random& random) {
    const std::uint64_t kind = random.below(100);
    if (kind < 85) {
        return Number(random);
    }
    if (kind < 97) {
        return Number(random) + Pick(random, kLineEnds) + Number(random);
    }
    if (kind < 98) {
        return LineOfLength(random, Pick(random, kLongLineLengths));
    }
    return RawBytes(random);
}

} // namespace vevove::robustness
