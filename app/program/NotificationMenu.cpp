#include "NotificationMenu.h"

#include "resource.h"

namespace vevove {

namespace {

MenuEntry Item(const char* text, unsigned id) {
    return {MenuEntry::Kind::Item, text, id, true, false, false, {}};
}

MenuEntry Separator() {
    return {MenuEntry::Kind::Separator, "", 0, true, false, false, {}};
}

MenuEntry Option(const char* text, unsigned id, bool on) {
    MenuEntry option = Item(text, id);
    option.checked = on;
    return option;
}

std::u16string Widened(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

} // namespace

// The setup's earlier layouts by time; a submenu that says so when there are
// none, so that the place of every other item stays the same.
MenuEntry EarlierLayoutsMenu(const std::vector<std::string>& times) {
    MenuEntry submenu{MenuEntry::Kind::Submenu, "Earlier layouts", 0, true, false, false, {}};
    for (std::size_t at = 0; at < times.size(); ++at) {
        submenu.entries.push_back(Item(times[at].c_str(), EarlierLayoutCommand(at)));
    }
    if (times.empty()) {
        MenuEntry none = Item("None saved", 0);
        none.enabled = false;
        submenu.entries.push_back(none);
    }
    return submenu;
}

unsigned EarlierLayoutCommand(std::size_t index) {
    return IDM_EARLIER_LAYOUT + IDM_EARLIER_LAYOUT_STEP * static_cast<unsigned>(index);
}

bool EarlierLayoutIndex(unsigned command, std::size_t count, std::size_t& index) {
    if (command < IDM_EARLIER_LAYOUT || (command - IDM_EARLIER_LAYOUT) % IDM_EARLIER_LAYOUT_STEP) {
        return false;
    }
    index = (command - IDM_EARLIER_LAYOUT) / IDM_EARLIER_LAYOUT_STEP;
    return index < count;
}

std::vector<MenuEntry> NotificationMenu(const MenuFacts& facts) {
    MenuEntry undo = Item("Undo last restore", IDM_UNDO_RESTORE);
    undo.enabled = facts.undoable;
    MenuEntry open = Item("Open Vevove", IDM_OPEN);
    open.isDefault = true;
    return {Item("Save Icons", IDC_SAVE_ICONS),
            Item("Restore Icons", IDC_RESTORE_ICONS),
            Item("Restore resolution", IDC_RESTORE_RESOLUTION),
            Separator(),
            EarlierLayoutsMenu(facts.earlierTimes),
            undo,
            Separator(),
            Option("Start with Windows", IDM_START_WITH_WINDOWS, facts.startsWithWindows),
            Option("Restore icons automatically", IDM_RESTORE_ICONS_AUTOMATICALLY,
                   facts.restoresAutomatically),
            Separator(),
            open,
            Item("Quit", IDM_QUIT)};
}

// Setup names are ASCII; the tip's lines are ended by LF, as the shell
// breaks them.
std::u16string NotificationTip(const std::string& setup, bool layoutSaved, std::size_t capacity) {
    const std::u16string head = u"Vevove\n";
    const std::u16string tail = layoutSaved ? u"\nLayout saved" : u"\nNo layout saved";
    std::u16string name = Widened(setup);
    const std::size_t room = capacity - 1 - head.size() - tail.size();
    if (name.size() > room) {
        name = name.substr(0, room - 3) + u"...";
    }
    return head + name + tail;
}

} // namespace vevove
