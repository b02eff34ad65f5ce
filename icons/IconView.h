// What both icon commands do with the desktop: open its icons for the
// command, and turn what the desktop reports into the errors the box shows.
#pragma once

#include "DesktopIcons.h"

#include <memory>
#include <string>

namespace vevove {

// Raises the error for a failed call: "Der Desktop antwortet nicht" for a
// desktop that does not answer, the system error, or that a wider shell is
// out of this program's reach.
void Check(const DesktopResult& result);

// The view for one command; null when there is none to work on: `found`
// then says whether a desktop with icons was there (and the command was
// refused because another one is still at it).
std::unique_ptr<DesktopIconView> OpenIconView(DesktopIcons& icons, bool& found);

std::string MatchKeyOf(DesktopIcons& icons, const std::u16string& name);

} // namespace vevove
