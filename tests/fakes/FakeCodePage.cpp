#include "tests/fakes/FakeCodePage.h"

namespace vevove::fake {

void FakeCodePage::useShiftJis() {
    leadBytes.clear();
    for (unsigned byte = 0x81; byte <= 0x9F; ++byte) {
        leadBytes.insert(static_cast<std::uint8_t>(byte));
    }
    for (unsigned byte = 0xE0; byte <= 0xFC; ++byte) {
        leadBytes.insert(static_cast<std::uint8_t>(byte));
    }
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

} // namespace vevove::fake
