// What loading a settings file must do to the boxes and the stored size, worked out a
// second, independent way (text normalised before splitting, numbers judged
// by their digit count), to check the program's own load against.
#pragma once

#include <cstdint>
#include <string>

namespace vevove::robustness {

struct LoadedState {
    std::string widthText;
    std::string heightText;
    bool autoChecked = false;
    std::uint16_t savedWidth = 0;
    std::uint16_t savedHeight = 0;

    bool operator==(const LoadedState& other) const {
        return widthText == other.widthText && heightText == other.heightText &&
               autoChecked == other.autoChecked && savedWidth == other.savedWidth &&
               savedHeight == other.savedHeight;
    }
};

// The state after loading `file` over the state `before`.
LoadedState ReferenceLoad(const LoadedState& before, const std::string& file);

} // namespace vevove::robustness
