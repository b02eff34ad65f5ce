// The links of the more-software window: the maker's address and the fourth
// product open the shop page, the other product names and "Freeware tools" the
// product page, descriptions nothing; the hand cursor over a link only.
#include "harness/MoreSoftwareWindow.h"
#include "harness/Mouse.h"
#include "harness/ProgramWindows.h"
#include "harness/RecordingBrowser.h"
#include "harness/VevoveTest.h"

#include "resource.h"

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
        window_ = OpenMoreSoftware(vevove().id(), controls_.moreSoftware);
        return window_;
    }

    HWND Label(int id) const { return GetDlgItem(window_, id); }

    // Clicks the label and returns the addresses opened after it.
    std::vector<std::string> OpenedByClickOn(int id) {
        RecordingBrowser browser;
        ClickAt(Middle(Label(id)));
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
    EXPECT_EQ(OpenedByClickOn(IDC_SHOP_ADDRESS), std::vector<std::string>{kShopPage});
}

TEST_F(LinksTest, FourthProductOpensTheShopPage) {
    Start();
    Open();
    EXPECT_EQ(OpenedByClickOn(IDC_SUITE_NAME), std::vector<std::string>{kShopPage});
}

TEST_F(LinksTest, OtherProductNamesAndFreewareToolsOpenTheProductPage) {
    Start();
    Open();
    const std::pair<int, const char*> kProductLinks[] = {
        {IDC_PHOTOS_NAME, "first product"},
        {IDC_BACKUP_NAME, "second product"},
        {IDC_EDITOR_NAME, "third product"},
        {IDC_FREE_TOOLS_HEADING, "Freeware tools"},
    };
    for (const auto& [id, name] : kProductLinks) {
        SCOPED_TRACE(name);
        EXPECT_EQ(OpenedByClickOn(id), std::vector<std::string>{kProductPage});
    }
}

TEST_F(LinksTest, DescriptionsAndHeadingOpenNothing) {
    Start();
    Open();
    RecordingBrowser browser;
    for (int id :
         {IDC_OFFERS_HEADING, IDC_PHOTOS_TEXT, IDC_BACKUP_TEXT, IDC_EDITOR_TEXT, IDC_SUITE_TEXT,
          IDC_CLIPBOARD_NAME, IDC_CLIPBOARD_TEXT, IDC_VEVOVE_NAME, IDC_VEVOVE_TEXT}) {
        ClickAt(Middle(Label(id)));
    }
    EXPECT_TRUE(browser.WaitForOpened(1, Milliseconds(2000)).empty());
}

TEST_F(LinksTest, NothingIsShownWhenNoBrowserStarts) {
    Start();
    Open();
    RecordingBrowser missing(RecordingBrowser::Kind::Missing);
    ClickAt(Middle(Label(IDC_SHOP_ADDRESS)));
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
    const HCURSOR arrow = CursorOver(controls_.widthLabel);
    Open();
    EXPECT_EQ(CursorOver(Label(IDC_PHOTOS_TEXT)), arrow);
    const HCURSOR hand = CursorOver(Label(IDC_PHOTOS_NAME));
    EXPECT_NE(hand, arrow);
    // Each link, then the description or heading beside it.
    const struct {
        int link;
        int neighbour;
        const char* name;
    } kLinkAndNeighbour[] = {
        {IDC_SHOP_ADDRESS, IDC_OFFERS_HEADING, "the shop address, then the heading"},
        {IDC_BACKUP_NAME, IDC_BACKUP_TEXT, "the second product and its description"},
        {IDC_EDITOR_NAME, IDC_EDITOR_TEXT, "the third product and its description"},
        {IDC_SUITE_NAME, IDC_SUITE_TEXT, "the fourth product and its description"},
        {IDC_FREE_TOOLS_HEADING, IDC_CLIPBOARD_NAME, "Freeware tools, then the first tool"},
    };
    for (const auto& [link, neighbour, name] : kLinkAndNeighbour) {
        SCOPED_TRACE(name);
        EXPECT_EQ(CursorOver(Label(link)), hand);
        EXPECT_EQ(CursorOver(Label(neighbour)), arrow);
    }
}

} // namespace
} // namespace e2e
