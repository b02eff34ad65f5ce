#include "Trace.h"

#include <windows.h>

namespace vevove {

namespace {

std::wstring Wide(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

} // namespace

void Trace(const std::string& lines) {
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find('\n', start);
        if (end == std::string::npos) {
            end = lines.size();
        }
        if (end > start) {
            OutputDebugStringW(
                (L"Vevove: " + Wide(lines.substr(start, end - start)) + L"\n").c_str());
        }
        start = end + 1;
    }
}

} // namespace vevove
