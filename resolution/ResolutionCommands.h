// What the main window asks of the resolution logic: the load at the start,
// the check of the screen at every tick, "Save resolution" (its settings-file
// part), "Restore resolution", and whether a display change came back to the
// stored resolution.
#pragma once

#include "Display.h"
#include "ResolutionBoxes.h"
#include "SettingsStorage.h"
#include "UserRegistry.h"

#include <cstdint>
#include <string>

namespace vevove {

struct ResolutionState {
    // The full path of the settings file, rebuilt at every load.
    std::string settingsPath;
    // The stored resolution, as the settings file was last loaded or saved.
    std::uint16_t savedWidth = 0;
    std::uint16_t savedHeight = 0;
};

struct Resolution {
    SettingsStorage& storage;
    Display& display;
    ResolutionBoxes& boxes;
    // Where the monitor of the stored resolution is recorded.
    UserRegistry& registry;
    ResolutionState state;
};

// Loads the settings file, then checks the screen: at the program's start.
void LoadSettingsAndCheckScreen(Resolution& resolution);
// Fills blank boxes with the current size and, with "Auto", restores the
// stored resolution while the display differs from it and the monitor it was
// saved on is primary: every 5000 ms.
void CheckScreen(Resolution& resolution);
// Writes the boxes to the settings file, whose sizes are then the stored
// resolution, and records the primary monitor as the one it belongs to;
// throws what fails (a failed file write changes nothing).
void SaveResolution(Resolution& resolution);
// Switches the display to the stored resolution, when there is one of at
// least 640 x 480 and the monitor it was saved on is primary.
void RestoreResolution(Resolution& resolution);
// Whether a display change from `before` to `now` brought the display back to
// the stored resolution, whoever changed it.
bool CameBackToStoredResolution(const ResolutionState& state, ScreenSize before, ScreenSize now);

} // namespace vevove
