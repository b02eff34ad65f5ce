// A push button drawn by its window with a glyph beside its caption, in the
// classic look: raised when up, sunken and shifted when pressed, a black frame
// when it is focused or the default button, a dotted focus rectangle.
#pragma once

#include "ButtonGlyph.h"

#include <windows.h>

#include <optional>

namespace vevove {

class BitmapButton {
  public:
    // `button` is an owner-drawn button; `bitmapId` names a bitmap resource
    // holding `pictureCount` pictures side by side: the glyph, then its
    // greyed twin when there are two.
    BitmapButton(HWND button, int bitmapId, int pictureCount);

    HWND handle() const { return button_; }

    void Draw(const DRAWITEMSTRUCT& item, bool isDefault) const;

  private:
    void DrawGlyph(HDC dc, Point at, bool disabled) const;
    // In the style's text colour when one is given, else in the classic look.
    void DrawCaption(HDC dc, Point at, const char* caption, bool disabled,
                     std::optional<COLORREF> styleTextColour) const;

    HWND button_;
    Glyph glyph_;
    Glyph greyed_;
    bool hasGreyedTwin_;
};

} // namespace vevove
