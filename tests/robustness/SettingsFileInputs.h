// Settings files for the robustness run: mostly near-misses of real files
// (numbers at their limits, every prefix and sign, blanks, tabs, all kinds of
// line ends, NULs, long lines), some raw bytes, and now and then a 10 MB file.
// Each input depends only on the seed and its index, so any one of them can
// be made again alone.
#pragma once

#include <cstdint>
#include <string>

namespace vevove::robustness {

// SplitMix64: small, fast, and good enough to draw test inputs.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // A number in [0, bound).
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    bool percent(unsigned chance) { return below(100) < chance; }

  private:
    std::uint64_t state_;
};

// One input in every `kHugeEvery` is a file of about 10 MB.
constexpr std::uint64_t kHugeEvery = 250'000;

std::string SettingsFileInput(std::uint64_t seed, std::uint64_t index);

// A text as "Save resolution" may find it in the width or height box: mostly
// a number near its limits, now and then two joined by a line end, a long
// line, or raw bytes.
std::string BoxTextInput(Random& random);

} // namespace vevove::robustness
