#include "Trace.h"

#include "CodePages.h"

#include <windows.h>

namespace vevove {

void Trace(const std::string& lines) {
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find('\n', start);
        if (end == std::string::npos) {
            end = lines.size();
        }
        if (end > start) {
            OutputDebugStringW(
                (L"Vevove: " + WideFromCodePage(CP_UTF8, lines.substr(start, end - start)) + L"\n")
                    .c_str());
        }
        start = end + 1;
    }
}

} // namespace vevove
