// Writing a bitmap, or what the screen shows of a window, to a .bmp file.
#pragma once

#include <windows.h>

#include <string>

// Writes the bitmap as a 24-bit BMP file; false when it cannot.
bool WriteBmpFile(HBITMAP bitmap, const std::string& path);

// Gives the window's program time to paint it, then writes what the screen
// shows of the window as a BMP file; false when it cannot.
bool PhotographWindow(HWND window, const std::string& path);
