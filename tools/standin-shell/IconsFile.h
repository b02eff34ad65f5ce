// The icons of the stand-in desktop, read from a text file: one icon a line,
// "x<TAB>y<TAB>text", the text in the ANSI code page and possibly empty;
// lines starting with "#" and blank lines are skipped.
#pragma once

#include <string>
#include <vector>

struct DesktopIcon {
    int x = 0;
    int y = 0;
    std::string text;
};

// Throws std::runtime_error naming the file or the line that cannot be read.
std::vector<DesktopIcon> ReadIconsFile(const std::string& path);
