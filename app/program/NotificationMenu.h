// The menu of Vevove's icon in the notification area and the icon's tip, as
// they follow from what is saved for the display setup in force.
#pragma once

#include <string>
#include <vector>

namespace vevove {

// What the menu shows: the current setup's history and the two options.
struct MenuFacts {
    // The current setup's earlier layouts, by the times they were saved,
    // newest first; the newest layout itself is not among them.
    std::vector<std::string> earlierTimes;
    bool undoable = false; // a restore on this setup can be undone
    bool startsWithWindows = false;
    bool restoresAutomatically = false;
};

struct MenuEntry {
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    std::string text;
    unsigned id = 0; // the command it runs; 0 for none
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;         // what a click on the icon does
    std::vector<MenuEntry> entries; // a submenu's
};

// The icon's menu: the commands of the main window's buttons, the setup's
// earlier layouts and the undo, the two options with their check marks, then
// "Open Vevove" (the default) and "Quit". Each item runs the command of the
// button or system-menu item of the same name.
std::vector<MenuEntry> NotificationMenu(const MenuFacts& facts);

// The submenu "Earlier layouts" of the times given, newest first; "None
// saved" greyed where there are none, so that the place of every other item
// stays the same. The icon's menu and the system menu both show it.
MenuEntry EarlierLayoutsMenu(const std::vector<std::string>& times);

// The command of the earlier layout at that place in MenuFacts::earlierTimes.
unsigned EarlierLayoutCommand(std::size_t index);
// The place in MenuFacts::earlierTimes that a command names, if it names one.
bool EarlierLayoutIndex(unsigned command, std::size_t count, std::size_t& index);

// The icon's tip: "Vevove", the setup in force and whether a layout is saved
// for it, in lines; at most `capacity` UTF-16 units with the end mark, the
// setup's name shortened with "..." where the whole would not fit.
std::u16string NotificationTip(const std::string& setup, bool layoutSaved, std::size_t capacity);

} // namespace vevove
