// "Restore resolution": the display goes back to the stored width and height.
#include "app/Unit1.h"
#include "platform/DisplayMode.h"

namespace vevove {

namespace {

constexpr std::uint16_t kMinimumWidth = 640;
constexpr std::uint16_t kMinimumHeight = 480;

} // namespace

void TForm1::Button1Click() {
    if (SavedWidth < kMinimumWidth || SavedHeight < kMinimumHeight) {
        return;
    }
    // A refused mode is not reported: the next automatic restore asks again.
    AnotherScreen(SavedWidth, SavedHeight);
}

// Requests only width and height: the rest of the record comes from the
// driver's first mode and its fields mask says that it is not part of the
// request.
bool TForm1::AnotherScreen(std::uint16_t width, std::uint16_t height) {
    DisplayMode mode;
    mode.set<std::uint16_t>(DisplayMode::kSizeOffset, DisplayMode::kSize);
    mode.set<std::uint16_t>(DisplayMode::kDriverExtraOffset, 0);
    if (!os_.enumDisplaySettings(0, mode)) {
        return false;
    }
    mode.set<std::uint32_t>(DisplayMode::kFieldsOffset, kDmPelsWidth | kDmPelsHeight);
    mode.set<std::uint32_t>(DisplayMode::kPelsWidthOffset, width);
    mode.set<std::uint32_t>(DisplayMode::kPelsHeightOffset, height);
    return os_.changeDisplaySettings(mode, kCdsUpdateRegistry) == kDispChangeSuccessful;
}

} // namespace vevove
