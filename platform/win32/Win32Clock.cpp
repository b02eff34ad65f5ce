#include "Win32Platform.h"

#include <windows.h>

#include <cstdio>

namespace vevove {

std::string Win32Clock::LocalTime() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    char text[32] = {};
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond);
    return text;
}

} // namespace vevove
