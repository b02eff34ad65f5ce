// The controls of Vevove's main window, told apart the way a user tells them
// apart: by kind and caption. The two edit boxes have no caption; the width box
// comes before the height box in z-order, which is the order of creation.
#pragma once

#include <windows.h>

namespace e2e {

struct MainWindowControls {
    HWND Edit1;     // width
    HWND Edit2;     // height
    HWND Memo1;     // hidden multi-line edit box
    HWND CheckBox1; // "Auto"
    HWND Button1;   // "Restore resolution"
    HWND Button2;   // "Save resolution"
    HWND Button4;   // "Save Icons"
    HWND Button5;   // "Restore Icons"
    HWND BitBtn1;   // "Help"
    HWND BitBtn2;   // "Quit"
    HWND BitBtn3;   // glyph only, no caption
    HWND Label1;    // "X"
    HWND Label2;    // "Width"
    HWND Label3;    // "Height"
};

// Throws std::runtime_error naming the first control that is missing or found
// twice.
MainWindowControls FindControls(HWND mainWindow);

} // namespace e2e
