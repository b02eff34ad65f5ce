// The notification icon's menu and tip for a given setup, history and
// options.
#include "NotificationMenu.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vevove {
namespace {

// One line per entry: its text, then "-" for a separator, "(grey)",
// "(checked)" and "(default)"; a submenu's entries indented below it.
std::vector<std::string> Shown(const std::vector<MenuEntry>& entries,
                               const std::string& indent = "") {
    std::vector<std::string> lines;
    for (const MenuEntry& entry : entries) {
        std::string line = indent + (entry.kind == MenuEntry::Kind::Separator ? "-" : entry.text);
        line += entry.enabled ? "" : " (grey)";
        line += entry.checked ? " (checked)" : "";
        line += entry.isDefault ? " (default)" : "";
        lines.push_back(line);
        for (const std::string& inner : Shown(entry.entries, indent + "  ")) {
            lines.push_back(inner);
        }
    }
    return lines;
}

TEST(NotificationMenuTest, ShowsTheSetupsHistoryAndTheOptionsAsTheyStand) {
    struct Case {
        const char* name;
        MenuFacts facts;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"nothing saved, both options off",
         {},
         {"Save Icons", "Restore Icons", "Restore resolution", "-", "Earlier layouts",
          "  None saved (grey)", "Undo last restore (grey)", "-", "Start with Windows",
          "Restore icons automatically", "-", "Open Vevove (default)", "Quit"}},
        {"two earlier layouts, a restore to undo, both options on",
         {{"2026-12-09 19:45:12", "2026-12-01 08:00:00"}, true, true, true},
         {"Save Icons", "Restore Icons", "Restore resolution", "-", "Earlier layouts",
          "  2026-12-09 19:45:12", "  2026-12-01 08:00:00", "Undo last restore", "-",
          "Start with Windows (checked)", "Restore icons automatically (checked)", "-",
          "Open Vevove (default)", "Quit"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Shown(NotificationMenu(c.facts)), c.shown);
    }
}

// Each earlier layout's command names its own place in the history, and no
// other command names one.
TEST(NotificationMenuTest, EachEarlierLayoutRunsItsOwn) {
    const MenuFacts facts{{"2026-12-09 19:45:12", "2026-12-01 08:00:00"}, true, false, false};
    const std::vector<MenuEntry> menu = NotificationMenu(facts);
    const std::vector<MenuEntry>& earlier = menu[4].entries;
    ASSERT_EQ(earlier.size(), 2u);
    for (std::size_t at = 0; at < earlier.size(); ++at) {
        std::size_t index = 99;
        EXPECT_TRUE(EarlierLayoutIndex(earlier[at].id, facts.earlierTimes.size(), index));
        EXPECT_EQ(index, at);
    }
    std::size_t index = 0;
    EXPECT_FALSE(EarlierLayoutIndex(EarlierLayoutCommand(2), 2, index));
    EXPECT_FALSE(EarlierLayoutIndex(EarlierLayoutCommand(1) + 1, 2, index));
    EXPECT_FALSE(EarlierLayoutIndex(IDM_UNDO_RESTORE, 2, index));
}

TEST(NotificationMenuTest, TheTipNamesTheSetupAndFitsTheShellsRoom) {
    EXPECT_EQ(NotificationTip("1920 x 1080 at 100 %", true, 128),
              u"Vevove\n1920 x 1080 at 100 %\nLayout saved");
    EXPECT_EQ(NotificationTip("1920 x 1080 at 100 %", false, 128),
              u"Vevove\n1920 x 1080 at 100 %\nNo layout saved");
    const std::string three = "1366 x 768 at 100 % at 0,0 + 2560 x 1440 at 150 % at 1366,-300 + "
                              "1920 x 1080 at 125 % at 3926,0";
    const std::u16string tip = NotificationTip(three + " + " + three, false, 128);
    EXPECT_EQ(tip.size(), 127u);
    EXPECT_EQ(tip.substr(0, 17), u"Vevove\n1366 x 768");
    EXPECT_EQ(tip.substr(tip.size() - 19), u"...\nNo layout saved");
}

} // namespace
} // namespace vevove
