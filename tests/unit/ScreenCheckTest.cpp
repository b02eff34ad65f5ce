// The check at the showing of the main window and at every tick: refilling
// blank boxes, and the automatic restore while the display differs from the
// stored size.
#include "ResolutionFixture.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vevove::fake {
namespace {

using Mode = std::pair<std::uint32_t, std::uint32_t>;

class ScreenCheckTest : public ResolutionFixture {
  protected:
    void saved(std::uint16_t width, std::uint16_t height) {
        state.savedWidth = width;
        state.savedHeight = height;
    }
    void expectDisplay(int width, int height) {
        EXPECT_EQ(display.current.width, width);
        EXPECT_EQ(display.current.height, height);
    }
};

TEST_F(ScreenCheckTest, FillsEmptyAndBlankBoxesWithTheCurrentSize) {
    for (const std::string& blank :
         {std::string(), std::string("   "), std::string("\t\r\n "), std::string("\x01\x1F ", 3)}) {
        boxes.width = blank;
        boxes.height = blank;
        CheckScreen(resolution);
        EXPECT_EQ(boxes.width, "1024");
        EXPECT_EQ(boxes.height, "768");
    }
}

TEST_F(ScreenCheckTest, LeavesBoxesWithOtherTextAlone) {
    boxes.width = "abc";
    boxes.height = " 600 ";
    CheckScreen(resolution);
    EXPECT_EQ(boxes.width, "abc");
    EXPECT_EQ(boxes.height, " 600 ");
}

TEST_F(ScreenCheckTest, RestoresOnlyWithAutoAndWhileTheDisplayDiffers) {
    struct Case {
        ScreenSize display;
        std::uint16_t savedWidth;
        std::uint16_t savedHeight;
        bool autoChecked;
        std::vector<Mode> requested; // over three ticks
    };
    const Case cases[] = {
        {{1024, 768}, 800, 600, true, {{800, 600}}},
        {{1024, 768}, 1024, 768, true, {}},
        // Either dimension differing is a difference.
        {{1024, 768}, 1024, 600, true, {{1024, 600}, {1024, 600}, {1024, 600}}},
        {{1024, 768}, 800, 768, true, {{800, 768}, {800, 768}, {800, 768}}},
        {{65535, 768}, 65535, 768, true, {}},
        {{1024, 768}, 800, 600, false, {}},
        // Below 640 x 480 the restore does nothing.
        {{1024, 768}, 0, 0, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.savedWidth) + " x " + std::to_string(c.savedHeight) +
                     (c.autoChecked ? " auto" : " manual"));
        display.current = c.display;
        display.changes.clear();
        saved(c.savedWidth, c.savedHeight);
        boxes.autoChecked = c.autoChecked;
        for (int tick = 0; tick < 3; ++tick) {
            CheckScreen(resolution);
        }
        // A mode the display does not offer is asked for again at every tick.
        EXPECT_EQ(display.changes, c.requested);
    }
}

TEST_F(ScreenCheckTest, AChangedDisplayIsPutBackOnceAtTheNextTick) {
    saved(800, 600);
    boxes.autoChecked = true;
    display.current = {1280, 1024};
    CheckScreen(resolution);
    CheckScreen(resolution);
    expectDisplay(800, 600);
    EXPECT_EQ(display.changes, (std::vector<Mode>{{800, 600}}));
}

TEST_F(ScreenCheckTest, AutoCheckedLaterRestoresAtTheNextTickIfTheDisplayStillDiffers) {
    saved(800, 600);
    CheckScreen(resolution);
    boxes.autoChecked = true;
    CheckScreen(resolution);
    expectDisplay(800, 600);
    EXPECT_EQ(display.changes.size(), 1u);

    // The user set the stored size himself before checking "Auto".
    display.changes.clear();
    boxes.autoChecked = false;
    display.current = {1024, 768};
    CheckScreen(resolution);
    display.current = {800, 600};
    boxes.autoChecked = true;
    CheckScreen(resolution);
    EXPECT_TRUE(display.changes.empty());
}

TEST_F(ScreenCheckTest, ASavedSizeIsKeptAtTheNextTicks) {
    // Started with 800 x 600 and "Auto"; 1024 x 768 saved, then set by the user.
    addSettingsFile("800\r\n600\r\nauto\r\n");
    LoadSettingsAndCheckScreen(resolution);
    expectDisplay(800, 600);
    boxes.width = "1024";
    boxes.height = "768";
    SaveResolution(resolution);
    display.current = {1024, 768};
    display.changes.clear();
    CheckScreen(resolution);
    CheckScreen(resolution);
    expectDisplay(1024, 768);
    EXPECT_TRUE(display.changes.empty());
}

TEST_F(ScreenCheckTest, ASavedSizeIsRestoredAtTheNextTick) {
    addSettingsFile("800\r\n600\r\nauto\r\n");
    LoadSettingsAndCheckScreen(resolution);
    boxes.width = "1280";
    boxes.height = "1024";
    SaveResolution(resolution);
    CheckScreen(resolution);
    expectDisplay(1280, 1024);
}

TEST_F(ScreenCheckTest, ShowingRestoresTheSavedSizeBeforeTheWindowAppears) {
    addSettingsFile("800\r\n600\r\nauto\r\n");
    LoadSettingsAndCheckScreen(resolution);
    expectDisplay(800, 600);
    EXPECT_EQ(boxes.width, "800");
    EXPECT_EQ(boxes.height, "600");
}

TEST_F(ScreenCheckTest, ShowingWithTheSavedSizeCurrentRestoresNothing) {
    addSettingsFile("1024\r\n768\r\nauto\r\n");
    LoadSettingsAndCheckScreen(resolution);
    CheckScreen(resolution);
    EXPECT_TRUE(display.changes.empty());
}

TEST_F(ScreenCheckTest, StartWithoutSettingsFillsTheBoxesAndRestoresNothing) {
    LoadSettingsAndCheckScreen(resolution);
    EXPECT_EQ(boxes.width, "1024");
    EXPECT_EQ(boxes.height, "768");
    boxes.autoChecked = true;
    CheckScreen(resolution);
    EXPECT_TRUE(display.changes.empty());
}

TEST_F(ScreenCheckTest, TicksBeforeTheSettingsAreLoadedRestoreNothing) {
    // Before the load: ticks fill the boxes and compare against 0 x 0.
    CheckScreen(resolution);
    EXPECT_EQ(boxes.width, "1024");
    addSettingsFile("800\r\n600\r\nauto\r\n");
    CheckScreen(resolution);
    EXPECT_TRUE(display.changes.empty());
    LoadSettingsAndCheckScreen(resolution);
    expectDisplay(800, 600);
    EXPECT_EQ(boxes.width, "800");
}

TEST_F(ScreenCheckTest, ADisplayChangeComesBackOnlyFromAnotherSizeToTheStoredOne) {
    struct Case {
        std::uint16_t savedWidth;
        std::uint16_t savedHeight;
        ScreenSize before;
        ScreenSize now;
        bool cameBack;
    };
    const Case cases[] = {
        {1024, 768, {800, 600}, {1024, 768}, true},
        {1024, 768, {1024, 600}, {1024, 768}, true},
        {1024, 768, {1024, 768}, {1024, 768}, false}, // a change of colours or rate only
        {1024, 768, {1024, 768}, {800, 600}, false},
        {1024, 768, {800, 600}, {1280, 1024}, false},
        {1024, 768, {800, 600}, {768, 1024}, false}, // turned, not back
        {0, 0, {800, 600}, {0, 0}, false},           // nothing stored
        {800, 0, {640, 480}, {800, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.before.width) + "x" + std::to_string(c.before.height) +
                     " to " + std::to_string(c.now.width) + "x" + std::to_string(c.now.height));
        saved(c.savedWidth, c.savedHeight);
        EXPECT_EQ(CameBackToStoredResolution(state, c.before, c.now), c.cameBack);
    }
}

} // namespace
} // namespace vevove::fake
