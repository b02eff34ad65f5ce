// The main window's width and height boxes and "Auto" check box.
#pragma once

#include "ResolutionBoxes.h"

#include <string>

namespace vevove::fake {

class FakeResolutionBoxes : public ResolutionBoxes {
  public:
    std::string width;
    std::string height;
    bool autoChecked = false;

    std::string WidthText() override { return width; }
    void SetWidthText(const std::string& text) override { width = text; }
    std::string HeightText() override { return height; }
    void SetHeightText(const std::string& text) override { height = text; }
    bool AutoChecked() override { return autoChecked; }
    void CheckAuto() override { autoChecked = true; }
};

} // namespace vevove::fake
