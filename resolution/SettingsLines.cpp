#include "SettingsLines.h"

#include <algorithm>
#include <cstring>

namespace vevove {

namespace {

constexpr std::size_t kMaxLineLength = 4096;

} // namespace

std::array<std::string, 3> SplitSettingsLines(const std::string& bytes) {
    const std::size_t end = std::min(bytes.size(), std::strlen(bytes.c_str()));
    std::array<std::string, 3> lines;
    std::size_t pos = 0;
    for (std::string& line : lines) {
        if (pos >= end) {
            break;
        }
        std::size_t lineEnd = bytes.find_first_of("\r\n", pos);
        if (lineEnd == std::string::npos || lineEnd > end) {
            lineEnd = end;
        }
        line = bytes.substr(pos, std::min(lineEnd - pos, kMaxLineLength));
        pos = lineEnd;
        if (pos < end && bytes[pos] == '\r') {
            ++pos;
            if (pos < end && bytes[pos] == '\n') {
                ++pos;
            }
        } else if (pos < end) {
            ++pos; // a lone LF
        }
    }
    return lines;
}

std::string JoinSettingsLines(const std::string& width, const std::string& height, bool autoMode) {
    return width + "\r\n" + height + "\r\n" + (autoMode ? "auto" : "manual") + "\r\n";
}

bool HasVisibleByte(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 0x20; });
}

} // namespace vevove
