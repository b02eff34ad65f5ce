// The monitor that "Save resolution" found primary: the stored resolution is
// that monitor's, and only while it is primary is it put back, so that a
// laptop docked to a larger monitor is not forced to the laptop's size.
#pragma once

#include "ResolutionCommands.h"

namespace vevove {

// Records the primary monitor beside the options; where the system names
// none, forgets the one recorded. Throws the system error when the registry
// refuses.
void RecordResolutionMonitor(Resolution& resolution);
// True while the recorded monitor is primary, and when none is recorded (a
// resolution saved by an earlier version).
bool OnResolutionMonitor(Resolution& resolution);

} // namespace vevove
