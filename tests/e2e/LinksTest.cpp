// The links of the more-software window: the maker's address and the fourth
// product open the shop page, the other product names and "Freeware tools" the
// product page, descriptions nothing; the hand cursor over a link only.
#include "harness/MoreSoftwareWindow.h"
#include "harness/Mouse.h"
#include "harness/ProgramWindows.h"
#include "harness/RecordingBrowser.h"
#include "harness/VevoveTest.h"
#include "resources/resource.h"

#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace e2e {
namespace {

const char* const kShopPage = "https://shop.example/shop/catalog/browse?shop_param=";
const char* const kProductPage = "http://tools.example/5.html";

// Time for the cursor to follow the mouse.
constexpr Milliseconds kCursorTime{500};

class LinksTest : public VevoveTest {
  protected:
    HWND Open() {
        window_ = OpenMoreSoftware(vevove().id(), controls_.BitBtn3);
        return window_;
    }

    HWND Label(int number) const { return GetDlgItem(window_, IDC_FREEWARE_LABEL(number)); }

    // Clicks the label and returns the addresses opened after it.
    std::vector<std::string> OpenedByClickOn(int number) {
        RecordingBrowser browser;
        ClickAt(Middle(Label(number)));
        return browser.WaitForOpened(1, Milliseconds(5000));
    }

    HCURSOR CursorOver(HWND control) {
        MoveMouseTo(Middle(control));
        std::this_thread::sleep_for(kCursorTime);
        return CurrentCursor();
    }

    HWND window_ = nullptr;
};

TEST_F(LinksTest, MakersAddressOpensTheShopPage) {
    Start();
    Open();
    EXPECT_EQ(OpenedByClickOn(17), std::vector<std::string>{kShopPage});
}

TEST_F(LinksTest, FourthProductOpensTheShopPage) {
    Start();
    Open();
    EXPECT_EQ(OpenedByClickOn(2), std::vector<std::string>{kShopPage});
}

TEST_F(LinksTest, OtherProductNamesAndFreewareToolsOpenTheProductPage) {
    Start();
    Open();
    for (int number : {4, 6, 18, 8}) {
        SCOPED_TRACE("Label" + std::to_string(number));
        EXPECT_EQ(OpenedByClickOn(number), std::vector<std::string>{kProductPage});
    }
}

TEST_F(LinksTest, DescriptionsAndHeadingOpenNothing) {
    Start();
    Open();
    RecordingBrowser browser;
    for (int number : {1, 3, 7, 19, 5, 15, 16, 13, 11}) {
        ClickAt(Middle(Label(number)));
    }
    EXPECT_TRUE(browser.WaitForOpened(1, Milliseconds(2000)).empty());
}

TEST_F(LinksTest, NothingIsShownWhenNoBrowserStarts) {
    Start();
    Open();
    RecordingBrowser missing(RecordingBrowser::Kind::Missing);
    ClickAt(Middle(Label(17)));
    std::this_thread::sleep_for(Milliseconds(2000));
    for (const char* dialogClass : {"#32770", "TMessageForm"}) {
        for (HWND dialog : TopLevelWindows(vevove().id(), dialogClass)) {
            EXPECT_FALSE(IsWindowVisible(dialog)) << Text(dialog);
        }
    }
    EXPECT_TRUE(IsWindowVisible(window_));
}

// The program's cursors are its own handles, which the test cannot look into:
// the arrow is the one over the main window, the hand the one that differs.
TEST_F(LinksTest, HandOverALinkAndArrowAfterLeavingIt) {
    Start();
    const HCURSOR arrow = CursorOver(controls_.Label2);
    Open();
    EXPECT_EQ(CursorOver(Label(3)), arrow);
    const HCURSOR hand = CursorOver(Label(4));
    EXPECT_NE(hand, arrow);
    // Each link, then the description or heading beside it.
    const std::pair<int, int> kLinkAndNeighbour[] = {{17, 1}, {6, 7}, {18, 19}, {2, 5}, {8, 15}};
    for (const auto& [link, neighbour] : kLinkAndNeighbour) {
        SCOPED_TRACE("over Label" + std::to_string(link) + ", then Label" +
                     std::to_string(neighbour));
        EXPECT_EQ(CursorOver(Label(link)), hand);
        EXPECT_EQ(CursorOver(Label(neighbour)), arrow);
    }
}

} // namespace
} // namespace e2e
