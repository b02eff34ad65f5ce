#include "Win32Platform.h"

#include "Format.h"

#include <windows.h>

namespace vevove {

std::string Win32Clock::LocalTime() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return Format("%04u-%02u-%02u %02u:%02u:%02u", unsigned{now.wYear}, unsigned{now.wMonth},
                  unsigned{now.wDay}, unsigned{now.wHour}, unsigned{now.wMinute},
                  unsigned{now.wSecond});
}

} // namespace vevove
