// Layouts per display setup: the setup's name, each setup's own layouts and
// their history, the layout key beside them, and undoing a restore.
#include "SavedLayouts.h"
#include "DisplaySetup.h"
#include "IconCommandTest.h"

#include <set>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

TEST(DisplaySetupTest, NamesTheMonitorsInTheirPlacesWhateverTheirOrder) {
    struct Case {
        std::vector<Monitor> monitors;
        std::string name;
    };
    const Case cases[] = {
        {{{0, 0, 1920, 1080, 96}}, "1920 x 1080 at 100 %"},
        {{{0, 0, 1366, 768, 144}}, "1366 x 768 at 150 %"},
        {{{0, 0, 2560, 1440, 120}}, "2560 x 1440 at 125 %"},
        {{{1920, 0, 1920, 1080, 96}, {0, 0, 1920, 1080, 96}},
         "1920 x 1080 at 100 % at 0,0 + 1920 x 1080 at 100 % at 1920,0"},
        // A monitor left of the primary one lies at negative coordinates.
        {{{0, 0, 1366, 768, 96}, {-2560, -300, 2560, 1440, 144}},
         "2560 x 1440 at 150 % at -2560,-300 + 1366 x 768 at 100 % at 0,0"},
        {{{0, 0, 1920, 1080, 96}, {0, 1080, 1920, 1080, 120}},
         "1920 x 1080 at 100 % at 0,0 + 1920 x 1080 at 125 % at 0,1080"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetupName(c.monitors), c.name);
    }
}

// Too long for a registry key: cut, and told apart by a hash of the whole.
TEST(DisplaySetupTest, ALongNameIsCutAndStaysUnique) {
    std::vector<Monitor> row;
    for (int at = 0; at < 12; ++at) {
        row.push_back({1920 * at, 0, 1920, 1080, 96});
    }
    std::vector<Monitor> other = row;
    other.back().dpi = 120;
    const std::string name = SetupName(row);
    EXPECT_EQ(name.size(), kLongestSetupName);
    EXPECT_EQ(SetupName(other).size(), kLongestSetupName);
    EXPECT_NE(name, SetupName(other));
    EXPECT_EQ(name.substr(0, 20), "1920 x 1080 at 100 %");
}

class SavedLayoutsTest : public IconCommandTest {
  protected:
    SavedLayoutsTest() { desktop.icons = {{u"Papierkorb", 10, 10}, {u"Notizen", 10, 90}}; }

    void moveAll(std::int32_t x) {
        for (FakeDesktopIcons::Icon& icon : desktop.icons) {
            icon.x = x;
        }
    }
    Strings timesSaved() { return SavedTimes(registry, CurrentSetup(icons)); }
};

// Docked and undocked (here: two resolutions), each setup gets its own
// layout back; the layout key holds the last one saved on any setup, and a
// setup without a layout of its own gets the layout key's.
TEST_F(SavedLayoutsTest, EachSetupRestoresItsOwnLayout) {
    SaveIcons(icons);
    display.current = {800, 600};
    moveAll(500);
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), (Strings{"Papierkorb=500,10", "Notizen=500,90"}));
    moveAll(0);
    display.current = {1024, 768};
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=10,10", "Notizen=10,90"}));
    display.current = {800, 600};
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=500,10", "Notizen=500,90"}));
    display.dpi = 144;
    moveAll(0);
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=500,10", "Notizen=500,90"}));
}

// By itself, a setup gets back its own layout, and nothing where only another
// setup has one; while no setup has one, the layout key's.
TEST_F(SavedLayoutsTest, TheAutomaticRestoreTakesTheSetupsOwnLayout) {
    save(u"Papierkorb", 1, 2);
    std::set<std::u16string> placed;
    RestoreIconsNotYetPlaced(icons, placed);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=1,2", "Notizen=10,90"}));
    display.current = {800, 600};
    moveAll(400);
    SaveIcons(icons);
    display.current = {1024, 768};
    moveAll(0);
    placed.clear();
    RestoreIconsNotYetPlaced(icons, placed);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=0,2", "Notizen=0,90"}));
    display.current = {800, 600};
    placed.clear();
    RestoreIconsNotYetPlaced(icons, placed);
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=400,2", "Notizen=400,90"}));
}

// The newest and nine earlier layouts, newest first; a save the same as the
// newest adds none; two saves in one second are told apart.
TEST_F(SavedLayoutsTest, KeepsTheNewestAndNineEarlierLayouts) {
    for (int save = 0; save < 12; ++save) {
        clock.now = "2026-12-09 10:00:" + std::string(save < 10 ? "0" : "") + std::to_string(save);
        moveAll(save);
        SaveIcons(icons);
    }
    clock.now = "2026-12-09 11:00:00";
    SaveIcons(icons);
    const Strings times = timesSaved();
    ASSERT_EQ(times.size(), kLayoutsKept);
    EXPECT_EQ(times.front(), "2026-12-09 10:00:11");
    EXPECT_EQ(times.back(), "2026-12-09 10:00:02");
    moveAll(99);
    SaveIcons(icons);
    EXPECT_EQ(timesSaved().front(), "2026-12-09 11:00:00");
    moveAll(98);
    SaveIcons(icons);
    EXPECT_EQ(timesSaved()[0], "2026-12-09 11:00:00 (2)");
    EXPECT_EQ(timesSaved()[1], "2026-12-09 11:00:00");
}

// An earlier layout comes back when chosen; a restore keeps where the icons
// stood, and its undo puts them back there, and an undo of that undo
// restores again.
TEST_F(SavedLayoutsTest, AnEarlierLayoutAndTheUndoOfARestore) {
    clock.now = "2026-12-09 10:00:00";
    SaveIcons(icons);
    moveAll(300);
    clock.now = "2026-12-09 10:05:00";
    SaveIcons(icons);
    moveAll(700);
    EXPECT_TRUE(RestoreLayoutSavedAt(icons, "2026-12-09 10:00:00"));
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=10,10", "Notizen=10,90"}));
    EXPECT_TRUE(UndoLastRestore(icons));
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=700,10", "Notizen=700,90"}));
    EXPECT_TRUE(UndoLastRestore(icons));
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=10,10", "Notizen=10,90"}));
    // Another setup has no restore to undo.
    display.current = {800, 600};
    EXPECT_TRUE(UndoLastRestore(icons));
    EXPECT_EQ(iconPositions(), (Strings{"Papierkorb=10,10", "Notizen=10,90"}));
}

} // namespace
} // namespace vevove::fake
