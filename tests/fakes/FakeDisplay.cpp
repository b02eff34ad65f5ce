#include "tests/fakes/FakeDisplay.h"

#include <cstring>

namespace vevove::fake {

namespace {

constexpr std::size_t kBitsPerPelOffset = 104;
constexpr std::size_t kDisplayFrequencyOffset = 120;
constexpr std::uint32_t kDmBitsPerPel = 0x40000;
constexpr std::uint32_t kDmDisplayFrequency = 0x400000;
constexpr std::uint32_t kDmDisplayFlags = 0x200000;

} // namespace

FakeDisplay::FakeDisplay() {
    for (const auto& [width, height] :
         {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 1024}}) {
        modes_.push_back(Record(width, height));
    }
}

DisplayMode FakeDisplay::Record(int width, int height) {
    DisplayMode record;
    std::memcpy(record.bytes.data(), "FAKEDISPLAY", 11);
    record.set<std::uint16_t>(DisplayMode::kSizeOffset, DisplayMode::kSize);
    record.set<std::uint32_t>(DisplayMode::kFieldsOffset, kDmBitsPerPel | kDmPelsWidth |
                                                              kDmPelsHeight | kDmDisplayFlags |
                                                              kDmDisplayFrequency);
    record.set<std::uint32_t>(kBitsPerPelOffset, 32);
    record.set<std::uint32_t>(DisplayMode::kPelsWidthOffset, static_cast<std::uint32_t>(width));
    record.set<std::uint32_t>(DisplayMode::kPelsHeightOffset, static_cast<std::uint32_t>(height));
    record.set<std::uint32_t>(kDisplayFrequencyOffset, 60);
    return record;
}

void FakeDisplay::setCurrent(int width, int height) {
    width_ = width;
    height_ = height;
}

bool FakeDisplay::mode(std::uint32_t number, DisplayMode& record) const {
    if (number >= modes_.size()) {
        return false;
    }
    // The caller's dmSize and dmDriverExtra say how much it can take; the
    // driver fills in the public part and leaves them as they were.
    const auto size = record.get<std::uint16_t>(DisplayMode::kSizeOffset);
    const auto extra = record.get<std::uint16_t>(DisplayMode::kDriverExtraOffset);
    record = modes_[number];
    record.set<std::uint16_t>(DisplayMode::kSizeOffset, size);
    record.set<std::uint16_t>(DisplayMode::kDriverExtraOffset, extra);
    return true;
}

std::int32_t FakeDisplay::change(const DisplayMode& record, std::uint32_t flags) {
    requests_.push_back({record, flags});
    const auto width = record.get<std::uint32_t>(DisplayMode::kPelsWidthOffset);
    const auto height = record.get<std::uint32_t>(DisplayMode::kPelsHeightOffset);
    for (const DisplayMode& offered : modes_) {
        if (offered.get<std::uint32_t>(DisplayMode::kPelsWidthOffset) == width &&
            offered.get<std::uint32_t>(DisplayMode::kPelsHeightOffset) == height) {
            setCurrent(static_cast<int>(width), static_cast<int>(height));
            return kDispChangeSuccessful;
        }
    }
    return kDispChangeBadMode;
}

} // namespace vevove::fake
