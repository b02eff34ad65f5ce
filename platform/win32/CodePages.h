// Text converted between the UTF-16 of the system's wide calls and the bytes
// of a code page (CP_ACP, CP_UTF8).
#pragma once

#include "WideText.h"

#include <windows.h>

#include <string>

namespace vevove {

WideText WideFromCodePage(UINT codePage, const std::string& text);

std::string CodePageFromWide(UINT codePage, const WideText& text);

} // namespace vevove
