#include "BitmapButton.h"

#include "GdiOwners.h"
#include "ReadableColours.h"
#include "VisualStyles.h"

#include <vssym32.h>

namespace vevove {

namespace {

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The bitmap's pixels as 0xRRGGBB, whatever its colour depth.
Glyph PixelsOf(HBITMAP bitmap, HDC dc) {
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    Glyph pixels;
    pixels.width = size.bmWidth;
    pixels.height = size.bmHeight;
    pixels.pixels.resize(static_cast<std::size_t>(pixels.width) *
                         static_cast<std::size_t>(pixels.height));
    BITMAPINFO info = TopDownInfo(pixels.width, pixels.height);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(pixels.height), pixels.pixels.data(), &info,
              DIB_RGB_COLORS);
    for (Colour& pixel : pixels.pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

Glyph LoadGlyphStrip(int bitmapId) {
    const Bitmap bitmap(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const WindowDC screen;
    return PixelsOf(bitmap.get(), screen.get());
}

// What the device context shows in the area of a glyph at `at`. The copy's
// pixels are read once it is no longer selected into the memory context.
Glyph BackgroundOf(HDC dc, Point at, int width, int height) {
    const MemoryDC memory(dc);
    const Bitmap copy(CreateCompatibleBitmap(dc, width, height));
    {
        const Selection selected(memory.get(), copy.get());
        BitBlt(memory.get(), 0, 0, width, height, dc, at.x, at.y, SRCCOPY);
    }
    return PixelsOf(copy.get(), memory.get());
}

// The visual style's data for the button, while it is drawn; none when the
// button is drawn in the classic look.
class ButtonTheme {
  public:
    explicit ButtonTheme(HWND button)
        : styles_(LoadedVisualStyles()),
          theme_(styles_ != nullptr ? styles_->openThemeData(button, L"Button") : nullptr) {}
    ~ButtonTheme() {
        if (theme_ != nullptr) {
            styles_->closeThemeData(theme_);
        }
    }
    ButtonTheme(const ButtonTheme&) = delete;
    ButtonTheme& operator=(const ButtonTheme&) = delete;

    HTHEME get() const { return theme_; }
    const VisualStyles& styles() const { return *styles_; }

  private:
    const VisualStyles* styles_;
    HTHEME theme_;
};

// The button's frame in the classic look: a black frame when it is focused or
// the default button, raised, or sunken when pressed. Where black would not
// show on the system's button face, the frame takes the button text colour.
void DrawClassicFrame(HDC dc, RECT frame, bool pressed, bool emphasised) {
    if (emphasised) {
        SetDCBrushColor(dc, ReadableOnButtonFace(RGB(0, 0, 0)));
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        InflateRect(&frame, -1, -1);
    }
    if (pressed) {
        FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

int ThemeState(bool pressed, bool emphasised, bool disabled) {
    if (disabled) {
        return PBS_DISABLED;
    }
    if (pressed) {
        return PBS_PRESSED;
    }
    return emphasised ? PBS_DEFAULTED : PBS_NORMAL;
}

} // namespace

BitmapButton::BitmapButton(HWND button, int bitmapId, int pictureCount)
    : button_(button), hasGreyedTwin_(pictureCount > 1) {
    const Glyph strip = LoadGlyphStrip(bitmapId);
    glyph_ = GlyphFromStrip(strip, pictureCount, 0);
    greyed_ = hasGreyedTwin_ ? GlyphFromStrip(strip, pictureCount, 1) : glyph_;
}

// Drawn like the program's other push buttons: with the visual style when
// one is in use, its caption in the style's text colour, else in the classic
// look, where a pressed button's contents move one pixel down and right.
void BitmapButton::Draw(const DRAWITEMSTRUCT& item, bool isDefault) const {
    HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool emphasised = isDefault || focused;

    int shift = 0;
    std::optional<COLORREF> styleTextColour;
    const ButtonTheme theme(button_);
    if (theme.get() != nullptr) {
        const int state = ThemeState(pressed, emphasised, disabled);
        const VisualStyles& styles = theme.styles();
        if (styles.isBackgroundPartiallyTransparent(theme.get(), BP_PUSHBUTTON, state)) {
            RECT area = item.rcItem;
            styles.drawParentBackground(button_, dc, &area);
        }
        styles.drawBackground(theme.get(), dc, BP_PUSHBUTTON, state, &item.rcItem, nullptr);
        COLORREF colour = 0;
        if (SUCCEEDED(styles.getColor(theme.get(), BP_PUSHBUTTON, state, TMT_TEXTCOLOR, &colour))) {
            styleTextColour = colour;
        }
    } else {
        DrawClassicFrame(dc, item.rcItem, pressed, emphasised);
        shift = pressed ? 1 : 0;
    }

    char caption[256] = {};
    GetWindowTextA(button_, caption, sizeof caption);
    {
        const Selection font(dc, reinterpret_cast<HFONT>(SendMessageA(button_, WM_GETFONT, 0, 0)));
        SIZE captionSize = {};
        GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &captionSize);
        const int width = item.rcItem.right - item.rcItem.left;
        const int height = item.rcItem.bottom - item.rcItem.top;
        const GlyphAndCaption placed = PlaceGlyphAndCaption(
            width, height, glyph_.width, glyph_.height, captionSize.cx, captionSize.cy);
        DrawGlyph(dc, {placed.glyph.x + shift, placed.glyph.y + shift}, disabled);
        DrawCaption(dc, {placed.caption.x + shift, placed.caption.y + shift}, caption, disabled,
                    styleTextColour);
    }

    if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

void BitmapButton::DrawGlyph(HDC dc, Point at, bool disabled) const {
    const Glyph background = BackgroundOf(dc, at, glyph_.width, glyph_.height);
    Glyph shown;
    if (!disabled) {
        shown = OnBackground(glyph_, background);
    } else if (hasGreyedTwin_) {
        shown = OnBackground(greyed_, background);
    } else {
        shown = GreyedOnBackground(glyph_, background, FromColorRef(GetSysColor(COLOR_BTNSHADOW)));
    }
    BITMAPINFO info = TopDownInfo(shown.width, shown.height);
    SetDIBitsToDevice(dc, at.x, at.y, static_cast<DWORD>(shown.width),
                      static_cast<DWORD>(shown.height), 0, 0, 0, static_cast<UINT>(shown.height),
                      shown.pixels.data(), &info, DIB_RGB_COLORS);
}

// On the visual style's face the caption takes the style's colour: the
// system's button text colour belongs on the system's button face.
void BitmapButton::DrawCaption(HDC dc, Point at, const char* caption, bool disabled,
                               std::optional<COLORREF> styleTextColour) const {
    const int length = lstrlenA(caption);
    if (length == 0) {
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    if (styleTextColour) {
        SetTextColor(dc, *styleTextColour);
    } else if (disabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        TextOutA(dc, at.x + 1, at.y + 1, caption, length);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    TextOutA(dc, at.x, at.y, caption, length);
}

} // namespace vevove
