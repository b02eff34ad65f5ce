// The layout of the icons as a read of the desktop gives them: the value
// each icon is saved under, with its position.
#pragma once

#include "DesktopIcons.h"
#include "SavedLayouts.h"

#include <vector>

namespace vevove {

// Whether icons would share a value: labels that the registry takes for one
// name ("Report" for both Report.docx and Report.pdf with extensions hidden).
bool LabelsShared(UserRegistry& registry, const std::vector<DesktopIcon>& icons);

// One value per icon, under its label, which layouts saved before know it by;
// icons that share a label each under their file name, where the read knows
// it. Of icons that still share a value, the first icon's spelling and the
// last icon's position.
Layout LayoutOf(UserRegistry& registry, const std::vector<DesktopIcon>& icons);

} // namespace vevove
