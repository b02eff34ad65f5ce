// The visual styles' drawing calls, taken from the system folder's
// UxTheme.dll when the button is drawn, never from the program's folder: the
// library is not one of the system's known DLLs, so a copy planted beside the
// program would otherwise be loaded in its place.
#pragma once

#include <windows.h>

#include <uxtheme.h>

namespace vevove {

struct VisualStyles {
    decltype(&OpenThemeData) openThemeData;
    decltype(&CloseThemeData) closeThemeData;
    decltype(&IsThemeBackgroundPartiallyTransparent) isBackgroundPartiallyTransparent;
    decltype(&DrawThemeParentBackground) drawParentBackground;
    decltype(&DrawThemeBackground) drawBackground;
    decltype(&GetThemeColor) getColor;
};

// The calls, loaded once; nullptr where the system has no such library or it
// lacks one of them, and every button is drawn in the classic look.
const VisualStyles* LoadedVisualStyles();

} // namespace vevove
