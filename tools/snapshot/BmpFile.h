// Writing a bitmap to a .bmp file.
#pragma once

#include <windows.h>

#include <string>

// Writes the bitmap as a 24-bit BMP file; false when it cannot.
bool WriteBmpFile(HBITMAP bitmap, const std::string& path);
