// The main window's boxes that the resolution logic reads and fills: the
// width, the height and "Auto".
#pragma once

#include <string>

namespace vevove {

class ResolutionBoxes {
  public:
    virtual ~ResolutionBoxes() = default;

    virtual std::string WidthText() = 0;
    virtual void SetWidthText(const std::string& text) = 0;
    virtual std::string HeightText() = 0;
    virtual void SetHeightText(const std::string& text) = 0;
    virtual bool AutoChecked() = 0;
    virtual void CheckAuto() = 0;
};

} // namespace vevove
