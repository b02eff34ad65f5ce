// The system's colours as the windows draw with them. Every form paints the
// system's button face; a fixed colour drawn on it must stay readable in any
// colour scheme.
#pragma once

#include "Colour.h"

#include <windows.h>

namespace vevove {

inline Colour FromColorRef(COLORREF colour) {
    return (static_cast<Colour>(GetRValue(colour)) << 16) |
           (static_cast<Colour>(GetGValue(colour)) << 8) | GetBValue(colour);
}

inline COLORREF ToColorRef(Colour colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// `intended` while it stands out from the button face, else the system's
// button text colour.
inline COLORREF ReadableOnButtonFace(COLORREF intended) {
    return ToColorRef(ReadableOn(FromColorRef(GetSysColor(COLOR_BTNFACE)), FromColorRef(intended),
                                 FromColorRef(GetSysColor(COLOR_BTNTEXT))));
}

} // namespace vevove
