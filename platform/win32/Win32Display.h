// The primary display on Windows.
#pragma once

#include "Display.h"

namespace vevove {

class Win32Display final : public Display {
  public:
    ScreenSize CurrentSize() override;
    bool ChangeMode(std::uint32_t width, std::uint32_t height) override;
};

} // namespace vevove
