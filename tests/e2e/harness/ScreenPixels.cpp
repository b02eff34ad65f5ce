#include "harness/ScreenPixels.h"

#include <stdexcept>

namespace e2e {

ScreenPixels::ScreenPixels(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    pixels_.resize(static_cast<std::size_t>(width_ * height_));

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const BOOL copied = BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    if (copied) {
        CopyMemory(pixels_.data(), bits, pixels_.size() * sizeof(DWORD));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) {
        throw std::runtime_error("cannot copy the window from the screen");
    }
}

COLORREF ScreenPixels::at(int x, int y) const {
    const DWORD pixel = pixels_.at(static_cast<std::size_t>(y * width_ + x));
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int ScreenPixels::Count(const std::function<bool(COLORREF)>& matches) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            count += matches(at(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace e2e
