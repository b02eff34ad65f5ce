// The icons of the stand-in desktop, read from a text file: one icon a line,
// "x<TAB>y<TAB>text[<TAB>file name]", the text (the label the list view
// shows) possibly empty, the file name that of the icon's file in the desktop
// folder, the same as the text when it is missing or empty. Both are in the
// ANSI code page or, for a desktop in --unicode mode, in UTF-8 (without a
// byte-order mark); lines starting with "#" and blank lines are skipped.
#pragma once

#include <string>
#include <vector>

enum class IconsFileEncoding { Ansi, Utf8 };

struct DesktopIcon {
    int x = 0;
    int y = 0;
    // The bytes of the file, in its encoding.
    std::string text;
    std::string fileName;
};

// Throws std::runtime_error naming the file or the line that cannot be read,
// among them a line whose text or file name is not UTF-8 when the file is to be UTF-8.
std::vector<DesktopIcon> ReadIconsFile(const std::string& path, IconsFileEncoding encoding);
