// The Win32 side of the seam as both of the program's entries use it: the
// thread's COM apartment (the settings folder is a shell lookup), then the
// settings file, the display, the desktop's icons and the registry.
#pragma once

#include "ComApartment.h"
#include "IconCommands.h"
#include "Win32DesktopIcons.h"
#include "Win32Display.h"
#include "Win32IconRegistry.h"
#include "Win32SettingsStorage.h"

namespace vevove {

struct Win32Platform {
    Desktop desktop() { return {desktopIcons, registry}; }

    // First in, last out: the others are gone before the apartment closes.
    ComApartment apartment;
    Win32SettingsStorage storage;
    Win32Display display;
    Win32DesktopIcons desktopIcons;
    Win32IconRegistry registry;
};

} // namespace vevove
