// What the icon commands do with the desktop's answers: a read, a failure
// turned into the error the box shows, a name's match key.
#pragma once

#include "DesktopIcons.h"
#include "NameMatching.h"

#include <optional>
#include <string>

namespace vevove {

// Raises the error for a failed call: "Der Desktop antwortet nicht" for a
// desktop that does not answer, the system error, or that a wider shell is
// out of this program's reach.
void Check(const DesktopResult& result);

// The icons with the parts asked for; none when no desktop holds icons that
// could be reached.
std::optional<DesktopRead> ReadIcons(DesktopIcons& icons, IconParts parts);

std::string MatchKeyOf(NameMatching& names, const std::u16string& name);

} // namespace vevove
