#pragma once

#include <cstdio>
#include <string>

namespace vevove {

// printf-style formatting into a std::string of any length. On Windows the
// system's own C library formats (msvcrt), since the compiler's would bring a
// whole printf of its own into the program; the conversions used here (%s,
// %d, %u, %X, with widths) are the same in both.
template <typename... Args> std::string Format(const char* format, Args... args) {
#ifdef _WIN32
    const int length = _scprintf(format, args...);
#else
    const int length = std::snprintf(nullptr, 0, format, args...);
#endif
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
#ifdef _WIN32
    _snprintf(text.data(), text.size(), format, args...);
#else
    std::snprintf(text.data(), text.size(), format, args...);
#endif
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace vevove
