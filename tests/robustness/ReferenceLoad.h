// What loading a settings file must do to the main window, worked out a
// second, independent way (text normalised before splitting, numbers judged
// by their digit count), to check the program's own load against.
#pragma once

#include <cstdint>
#include <string>

namespace vevove::robustness {

struct WindowState {
    std::string edit1;
    std::string edit2;
    bool autoChecked = false;
    std::uint16_t savedWidth = 0;
    std::uint16_t savedHeight = 0;

    bool operator==(const WindowState& other) const {
        return edit1 == other.edit1 && edit2 == other.edit2 && autoChecked == other.autoChecked &&
               savedWidth == other.savedWidth && savedHeight == other.savedHeight;
    }
};

// The state after loading `file` into a window that was in state `before`.
WindowState ReferenceLoad(const WindowState& before, const std::string& file);

} // namespace vevove::robustness
