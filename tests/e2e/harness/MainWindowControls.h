// The controls of Vevove's main window, told apart the way a user tells them
// apart: by kind and caption. The two edit boxes have no caption; the width box
// comes before the height box in z-order, which is the order of creation.
#pragma once

#include <windows.h>

namespace e2e {

struct MainWindowControls {
    HWND width;             // edit box
    HWND height;            // edit box
    HWND hiddenEdit;        // hidden multi-line edit box
    HWND autoBox;           // check box "Auto"
    HWND restoreResolution; // "Restore resolution"
    HWND saveResolution;    // "Save resolution"
    HWND saveIcons;         // "Save Icons"
    HWND restoreIcons;      // "Restore Icons"
    HWND help;              // "Help"
    HWND quit;              // "Quit"
    HWND moreSoftware;      // glyph only, no caption
    HWND times;             // label "X"
    HWND widthLabel;        // label "Width"
    HWND heightLabel;       // label "Height"
};

// Throws std::runtime_error naming the first control that is missing or found
// twice.
MainWindowControls FindControls(HWND mainWindow);

} // namespace e2e
