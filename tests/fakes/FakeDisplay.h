// The primary display as the logic sees it: the driver's list of modes, the
// current resolution, and every change requested with the exact record and
// flags, so a test can check what was passed as well as what happened.
#pragma once

#include "platform/DisplayMode.h"

#include <cstdint>
#include <vector>

namespace vevove::fake {

constexpr std::int32_t kDispChangeBadMode = -2;

class FakeDisplay {
  public:
    struct Request {
        DisplayMode mode;
        std::uint32_t flags = 0;
    };

    // A 1024 x 768 display whose driver offers 640 x 480, 800 x 600,
    // 1024 x 768 and 1280 x 1024, each at 32 bits and 60 Hz.
    FakeDisplay();

    void setCurrent(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // The driver's mode n as EnumDisplaySettingsA fills it in: every field of
    // the record set, dmFields naming them; false past the end of the list.
    bool mode(std::uint32_t number, DisplayMode& record) const;

    // Applies a request when the driver offers its width and height.
    std::int32_t change(const DisplayMode& record, std::uint32_t flags);
    const std::vector<Request>& requests() const { return requests_; }

    static DisplayMode Record(int width, int height);

  private:
    int width_ = 1024;
    int height_ = 768;
    std::vector<DisplayMode> modes_;
    std::vector<Request> requests_;
};

} // namespace vevove::fake
