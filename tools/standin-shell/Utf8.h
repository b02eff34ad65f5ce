// Conversions between UTF-8 and the UTF-16 of the Unicode window functions,
// for the stand-in desktop's --unicode mode.
#pragma once

#include <string>

bool IsUtf8(const std::string& text);
// Invalid sequences become U+FFFD; check with IsUtf8 first.
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
