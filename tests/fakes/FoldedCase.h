// Simple case folding, as the fakes compare texts without regard to case:
// the capitals of ASCII, Latin-1, Greek and Cyrillic, the scripts the tests
// use, become small letters; everything else stays.
#pragma once

#include <string>

namespace vevove::fake {

inline std::u16string FoldedCase(std::u16string text) {
    for (char16_t& unit : text) {
        const bool latin = (unit >= u'A' && unit <= u'Z') ||
                           (unit >= u'\u00C0' && unit <= u'\u00DE' && unit != u'\u00D7');
        const bool greek = unit >= u'\u0391' && unit <= u'\u03AB' && unit != u'\u03A2';
        if (latin || greek || (unit >= u'\u0410' && unit <= u'\u042F')) {
            unit = static_cast<char16_t>(unit + 0x20);
        } else if (unit >= u'\u0400' && unit <= u'\u040F') {
            unit = static_cast<char16_t>(unit + 0x50);
        }
    }
    return text;
}

} // namespace vevove::fake
