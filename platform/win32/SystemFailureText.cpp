#include "SystemFailureText.h"

#include <windows.h>

#include <string>

namespace vevove {

namespace {

constexpr DWORD kSystemTextCapacity = 256;

} // namespace

SystemFailure LastSystemFailure() {
    return SystemFailureFor(GetLastError());
}

SystemFailure SystemFailureFor(std::uint32_t code) {
    char buffer[kSystemTextCapacity] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, kSystemTextCapacity, nullptr);
    return SystemFailure{code, TrimmedSystemText(std::string(buffer, length))};
}

} // namespace vevove
