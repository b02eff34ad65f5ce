// One window program per user session: the first start holds a named mutex
// for as long as it runs; a later start hands over to it and ends.
#pragma once

#include "OwnedHandle.h"

#include <windows.h>

namespace vevove {

struct WindowProgramStart {
    enum class Outcome {
        Claimed,    // this process is the session's window program
        HandedOver, // the running one was asked to come to the front
        NoAnswer,   // one runs, but its window did not answer in time
    };
    Outcome outcome = Outcome::NoAnswer;
    // Held by the window program until it ends.
    OwnedHandle claim{nullptr};
};

// Claims the session's window program, or brings the running one's main
// window to the front. A start while the first is still building its windows
// waits for them a few seconds; one that finds the first gone claims; one
// refused the claim (the running one is an administrator's) hands over.
WindowProgramStart ClaimOrHandOver();

// Marks the application window as the one later starts hand over to; the
// mark goes with the window.
void MarkAsWindowProgram(HWND applicationWindow);
void UnmarkWindowProgram(HWND applicationWindow);

// Asked of the application window by a later start: restore the main window
// if it is minimized and bring it to the front.
UINT BringToFrontMessage();

} // namespace vevove
