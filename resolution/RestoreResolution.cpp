// "Restore resolution": the display goes back to the stored width and height.
#include "ResolutionCommands.h"

#include <cstdint>

namespace vevove {

namespace {

constexpr std::uint16_t kMinimumWidth = 640;
constexpr std::uint16_t kMinimumHeight = 480;

} // namespace

// Only the stored resolution counts, never the boxes' texts. A refused mode is
// not reported: the next automatic restore asks again.
void RestoreResolution(Resolution& resolution) {
    const ResolutionState& state = resolution.state;
    if (state.savedWidth < kMinimumWidth || state.savedHeight < kMinimumHeight) {
        return;
    }
    resolution.display.ChangeMode(state.savedWidth, state.savedHeight);
}

} // namespace vevove
