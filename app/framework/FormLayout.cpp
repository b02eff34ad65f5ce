#include "FormLayout.h"

namespace vevove {

namespace {

int ScreenDensity() {
    const WindowDC screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

bool IsLabel(const ControlLayout& control) {
    return lstrcmpiA(control.className, "Static") == 0 && (control.style & SS_TYPEMASK) == SS_LEFT;
}

} // namespace

SIZE MeasureText(HFONT font, const char* text) {
    const WindowDC screen;
    const Selection selected(screen.get(), font);
    SIZE extent = {};
    GetTextExtentPoint32A(screen.get(), text, lstrlenA(text), &extent);
    return extent;
}

int MeasureTextHeight(HFONT font) {
    return MeasureText(font, "0").cy;
}

Font CreateScaledFont(const char* faceName, int pixelHeight, int weight, bool underline) {
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(pixelHeight, ScreenDensity(), 96);
    font.lfWeight = weight;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
    return Font(CreateFontIndirectA(&font));
}

void ScaleFormToText(HWND form, HFONT font) {
    const int textHeight = MeasureTextHeight(font);
    if (textHeight == kDesignTextHeight) {
        return;
    }
    RECT bounds;
    GetWindowRect(form, &bounds);
    SetWindowPos(form, nullptr, 0, 0, ScaleToText(bounds.right - bounds.left, textHeight),
                 ScaleToText(bounds.bottom - bounds.top, textHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateControls(HWND parent, const ControlLayout* controls, int count, HFONT font) {
    const int textHeight = MeasureTextHeight(font);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    for (int i = 0; i < count; ++i) {
        const ControlLayout& control = controls[i];
        SIZE size = {ScaleToText(control.width, textHeight),
                     ScaleToText(control.height, textHeight)};
        if (IsLabel(control)) {
            size = MeasureText(font, control.text);
        }
        HWND window = CreateWindowExA(
            control.exStyle, control.className, control.text, WS_CHILD | control.style,
            ScaleToText(control.left, textHeight), ScaleToText(control.top, textHeight), size.cx,
            size.cy, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
            nullptr);
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

} // namespace vevove
