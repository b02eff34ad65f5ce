// The display setup: the monitors in force, each in its place at its
// scaling, named as a person reads it. The same monitors in the same places
// at the same scaling have the same name, whatever order the system lists
// them in; other places or scalings make another setup.
#pragma once

#include "Display.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vevove {

// A registry key's name holds at most 255 characters, and the name is one.
constexpr std::size_t kLongestSetupName = 200;

// "1920 x 1080 at 100 %" for one monitor; for several, each with its place,
// from left to right (and top to bottom where they share a left edge):
// "1366 x 768 at 100 % at 0,0 + 2560 x 1440 at 150 % at 1366,-300". A name
// longer than kLongestSetupName is cut and ends with a hash of the whole
// name, so that it stays unique.
std::string SetupName(std::vector<Monitor> monitors);

} // namespace vevove
