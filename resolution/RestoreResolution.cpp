// "Restore resolution", and the check that runs after the load at the start
// and at every tick: it keeps the width and height boxes filled and, with
// "Auto", restores the stored resolution while the display differs from it.
#include "Format.h"
#include "LoadSettings.h"
#include "ResolutionCommands.h"
#include "ResolutionMonitor.h"
#include "SettingsLines.h"

#include <cstdint>

namespace vevove {

namespace {

constexpr std::uint16_t kMinimumWidth = 640;
constexpr std::uint16_t kMinimumHeight = 480;

bool IsStoredResolution(const ResolutionState& state, ScreenSize size) {
    return size.width == state.savedWidth && size.height == state.savedHeight;
}

// The sizes are compared afresh at every check and nothing of an earlier one
// is kept: a display that has the stored resolution is left alone, since
// every mode change is a full one, with its registry write and its broadcast
// to every window. A changed resolution is put back at the next tick.
} // namespace

void CheckScreen(Resolution& resolution) {
    const ScreenSize current = resolution.display.CurrentSize();
    ResolutionBoxes& boxes = resolution.boxes;
    if (!HasVisibleByte(boxes.WidthText())) {
        boxes.SetWidthText(Format("%d", current.width));
    }
    if (!HasVisibleByte(boxes.HeightText())) {
        boxes.SetHeightText(Format("%d", current.height));
    }
    const ResolutionState& state = resolution.state;
    if (!IsStoredResolution(state, current) && boxes.AutoChecked()) {
        RestoreResolution(resolution);
    }
}

// Only the stored resolution counts, never the boxes' texts. A refused mode is
// not reported: the next automatic restore asks again.
void RestoreResolution(Resolution& resolution) {
    const ResolutionState& state = resolution.state;
    if (state.savedWidth < kMinimumWidth || state.savedHeight < kMinimumHeight ||
        !OnResolutionMonitor(resolution)) {
        return;
    }
    resolution.display.ChangeMode(state.savedWidth, state.savedHeight);
}

void LoadSettingsAndCheckScreen(Resolution& resolution) {
    LoadSettings(resolution);
    CheckScreen(resolution);
}

bool CameBackToStoredResolution(const ResolutionState& state, ScreenSize before, ScreenSize now) {
    const bool stored = state.savedWidth != 0 && state.savedHeight != 0;
    return stored && !IsStoredResolution(state, before) && IsStoredResolution(state, now);
}

} // namespace vevove
