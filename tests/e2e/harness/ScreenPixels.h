// What the screen shows of a window, read pixel by pixel.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace e2e {

class ScreenPixels {
  public:
    // Copies what the screen shows of the window, frame included.
    explicit ScreenPixels(HWND window);

    int width() const { return width_; }
    int height() const { return height_; }

    // x and y relative to the window's top-left corner.
    COLORREF at(int x, int y) const;

    int Count(const std::function<bool(COLORREF)>& matches) const;

  private:
    int width_;
    int height_;
    std::vector<DWORD> pixels_; // 0x00RRGGBB, rows from the top
};

} // namespace e2e
