#include "CodePages.h"

namespace vevove {

// Each asks the system for the length first, then converts into a buffer of
// exactly that length.
WideText WideFromCodePage(UINT codePage, const std::string& text) {
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    WideText converted(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), converted.data(),
                        length);
    return converted;
}

std::string CodePageFromWide(UINT codePage, const WideText& text) {
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), converted.data(),
                        length, nullptr, nullptr);
    return converted;
}

} // namespace vevove
