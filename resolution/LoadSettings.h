// Loading the settings file into the boxes and the stored resolution, and the
// rules by which its lines give the stored resolution.
#pragma once

#include "ResolutionCommands.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vevove {

// What the settings file's width and height lines give, by the load's rules:
// a line with a visible byte is shown in its box, and its number's low 16
// bits are stored; the first shown line that is no number ends the reading,
// so the height line after such a width line gives nothing.
struct SizeLines {
    std::optional<std::string> widthText;
    std::optional<std::uint16_t> width;
    std::optional<std::string> heightText;
    std::optional<std::uint16_t> height;
};

SizeLines ReadSizeLines(const std::array<std::string, 3>& lines);

// Rebuilds the settings path from the all-users data folder, then applies the
// file's three lines: "auto" checks the box, and lines 1 and 2 go to their
// boxes and the stored width and height as ReadSizeLines says.
// A file that cannot be read, or is too large to hold, ends the load before
// anything is applied.
void LoadSettings(Resolution& resolution);

} // namespace vevove
