// "Save Icons", "Restore Icons" and the icon save of "Save resolution" against
// the stand-in desktop shell, checked in the registry and in the positions its
// list view holds; with an ANSI list view and, as on a real desktop, with a
// Unicode one whose texts the shell view supplies; and with a shell that
// stops answering for a while.
#include "harness/ErrorBox.h"
#include "harness/IconPositionsKey.h"
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

const std::vector<Icon> kIcons = {
    {20, 10, "Recycle Bin"}, {20, 90, "Computer"}, {110, 10, "Notes.txt"}, {110, 90, "Caf\xE9"}};
// The same icons as a Unicode list view names them, in UTF-8.
const std::vector<Icon> kIconsInUtf8 = {
    {20, 10, "Recycle Bin"}, {20, 90, "Computer"}, {110, 10, "Notes.txt"}, {110, 90, "Café"}};
// Names outside the ANSI code page, emoji among them, and names that an 8-bit
// code page would make alike ("?" for each letter it lacks, or a look-alike).
const std::vector<Icon> kNamesInAnyScript = {{20, 10, "日本語メモ.txt"},
                                             {20, 90, "Ωmega.lnk"},
                                             {20, 170, "Omega.lnk"},
                                             {110, 10, "Ω1"},
                                             {110, 90, "Ж1"},
                                             {110, 170, "āpple"},
                                             {200, 10, "apple"},
                                             {200, 90, "😀 Party.url"},
                                             {200, 170, "中文.doc"}};
constexpr const char* kNoAnswerText = "Der Desktop antwortet nicht.";

// "text=x,y" for each icon, sorted as SavedPositions() sorts.
Strings Sorted(const std::vector<Icon>& icons) {
    Strings texts;
    for (const Icon& icon : icons) {
        texts.push_back(icon.text + "=" + std::to_string(icon.x) + "," + std::to_string(icon.y));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

class IconsTest : public VevoveTest {
  protected:
    void SetUp() override {
        VevoveTest::SetUp();
        RemoveIconPositionsKey();
    }
    void TearDown() override {
        VevoveTest::TearDown();
        desktop_.reset();
        RemoveIconPositionsKey();
    }

    void StartDesktop(const StandinDesktop::Options& options) { desktop_.emplace(options); }
    void StartDesktop(const std::vector<Icon>& icons = kIcons) {
        StartDesktop(StandinDesktop::Options{icons, false, false});
    }
    // The stand-in as a real desktop: a Unicode list view with texts in UTF-8.
    void StartRealDesktop(const std::vector<Icon>& icons) {
        StartDesktop(StandinDesktop::Options{icons, false, false, true});
    }
    // Moves every icon away from where it is.
    void MoveAll() {
        for (std::size_t item = 0; item < desktop_->Icons().size(); ++item) {
            desktop_->Move(static_cast<int>(item), 500, 40 + 40 * static_cast<int>(item));
        }
    }

    void ExpectNoErrorBox() {
        EXPECT_EQ(WaitForMessageBox(vevove().id(), Milliseconds(300)), nullptr);
    }

    std::optional<StandinDesktop> desktop_;
};

TEST_F(IconsTest, SaveIconsWritesOneValuePerIconWithItsPosition) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), (Strings{"Caf\xE9=110,90", "Computer=20,90", "Notes.txt=110,10",
                                         "Recycle Bin=20,10"}));
    for (const RegistryValue& value : IconPositionValues()) {
        if (value.name == "Notes.txt") {
            EXPECT_EQ(value.data, (std::vector<BYTE>{110, 0, 0, 0, 10, 0, 0, 0}));
        }
    }
    ExpectNoErrorBox();
}

TEST_F(IconsTest, TheSameTextTwiceAndAnEmptyTextAreStoredAsTheRegistryAllows) {
    StartDesktop({{20, 10, "Twice"}, {20, 90, ""}, {110, 10, "TWICE"}});
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), (Strings{"=20,90", "Twice=110,10"}));
}

TEST_F(IconsTest, RestoreIconsPutsMovedIconsBack) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    desktop_->Move(0, 300, 200);
    desktop_->Move(3, 500, 400);
    ASSERT_NE(desktop_->Icons(), kIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    ExpectNoErrorBox();
}

TEST_F(IconsTest, WithAutomaticArrangementTheStyleIsTheSameAfterwards) {
    StartDesktop(StandinDesktop::Options{kIcons, true, false});
    Start();
    const LONG style = GetWindowLongA(desktop_->listView(), GWL_STYLE);
    ASSERT_NE(style & LVS_AUTOARRANGE, 0);
    ClickAndWait(controls_.saveIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(GetWindowLongA(desktop_->listView(), GWL_STYLE), style);
    ExpectNoErrorBox();
}

TEST_F(IconsTest, ARemovedIconsValueIsGoneAfterTheNextSave) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    desktop_->Remove(1);
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(),
              (Strings{"Caf\xE9=110,90", "Notes.txt=110,10", "Recycle Bin=20,10"}));
}

TEST_F(IconsTest, AStoredIconThatIsMissingIsSkippedWhileTheOthersMove) {
    WriteIconPosition("Recycle Bin", 400, 300);
    WriteIconPosition("Gone", 5, 5);
    WriteIconPosition("Computer", 400, 380);
    StartDesktop();
    Start();
    ClickAndWait(controls_.restoreIcons);
    const std::vector<Icon> icons = desktop_->Icons();
    ASSERT_EQ(icons.size(), 4u);
    EXPECT_EQ(icons[0], (Icon{400, 300, "Recycle Bin"}));
    EXPECT_EQ(icons[1], (Icon{400, 380, "Computer"}));
    EXPECT_EQ(icons[2], kIcons[2]);
    ExpectNoErrorBox();
}

TEST_F(IconsTest, RestoreBeforeAnySaveMovesNothingAndShowsNothing) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    EXPECT_FALSE(IconPositionsKeyExists());
    ExpectNoErrorBox();
}

TEST_F(IconsTest, WithoutADesktopShellBothButtonsDoNothing) {
    Start();
    ClickAndWait(controls_.saveIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_FALSE(IconPositionsKeyExists());
    ExpectNoErrorBox();
}

TEST_F(IconsTest, TheViewUnderAWorkerWWindowIsFound) {
    StartDesktop(StandinDesktop::Options{kIcons, false, true});
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions().size(), 4u);
    desktop_->Move(2, 600, 500);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
}

TEST_F(IconsTest, OnARealDesktopNamesInAnyScriptAreSavedEachUnderItsOwnValueAndRestored) {
    StartRealDesktop(kNamesInAnyScript);
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositionsUtf8(), Sorted(kNamesInAnyScript));
    MoveAll();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kNamesInAnyScript));
    ExpectNoErrorBox();
}

// The registry takes names differing only in case for one value, which the
// later icon's position fills; the list view's search takes them for the
// same too, and finds the first.
TEST_F(IconsTest, OnARealDesktopNamesDifferingOnlyInCaseShareOneValue) {
    StartRealDesktop({{20, 10, "Жук"}, {20, 90, "жук"}, {110, 10, "Éclair"}, {110, 90, "ÉCLAIR"}});
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositionsUtf8(), (Strings{"Éclair=110,90", "Жук=20,90"}));
    MoveAll();
    ClickAndWait(controls_.restoreIcons);
    const std::vector<Icon> icons = desktop_->Icons();
    ASSERT_EQ(icons.size(), 4u);
    EXPECT_EQ(icons[0], (Icon{20, 90, "Жук"}));
    EXPECT_EQ(icons[2], (Icon{110, 90, "Éclair"}));
}

// Names the ANSI code page holds are stored under the very values an ANSI
// list view gives them, so layouts saved before still restore.
TEST_F(IconsTest, OnARealDesktopAnsiNamesKeepTheValuesTheyHadBefore) {
    StartRealDesktop(kIconsInUtf8);
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), (Strings{"Caf\xE9=110,90", "Computer=20,90", "Notes.txt=110,10",
                                         "Recycle Bin=20,10"}));
}

TEST_F(IconsTest, OnARealDesktopALayoutSavedWithAnsiNamesRestores) {
    WriteIconPosition("Caf\xE9", 400, 300);
    WriteIconPosition("recycle bin", 400, 380);
    StartRealDesktop(kIconsInUtf8);
    Start();
    ClickAndWait(controls_.restoreIcons);
    const std::vector<Icon> icons = desktop_->Icons();
    ASSERT_EQ(icons.size(), 4u);
    EXPECT_EQ(icons[3], (Icon{400, 300, "Café"}));
    EXPECT_EQ(icons[0], (Icon{400, 380, "Recycle Bin"}));
    EXPECT_EQ(icons[1], kIconsInUtf8[1]);
    ExpectNoErrorBox();
}

// A command against a shell that does not answer ends within seconds with
// the box, and leaves the layout saved before; the block that the shell may
// still use stays with it until the shell answers again, and the next
// command then releases it and works.
TEST_F(IconsTest, AShellThatStopsAnsweringGivesTheBoxAndVevoveCarriesOn) {
    StartRealDesktop(kNamesInAnyScript);
    Start();
    ClickAndWait(controls_.saveIcons);
    const Strings saved = SavedPositionsUtf8();
    const int blocks = desktop_->OnePageBlocks();
    desktop_->Hang(9000);
    for (HWND button : {controls_.saveIcons, controls_.restoreIcons}) {
        const auto start = std::chrono::steady_clock::now();
        Click(button);
        HWND box = WaitForMessageBox(vevove().id(), Milliseconds(6000));
        ASSERT_NE(box, nullptr);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(MessageBoxText(box), kNoAnswerText);
        EXPECT_EQ(Text(box), "Vevove");
        PressOk(box);
        ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    }
    EXPECT_EQ(SavedPositionsUtf8(), saved);
    EXPECT_EQ(desktop_->OnePageBlocks(), blocks + 1);
    ASSERT_TRUE(WaitUntil(
        [&] {
            DWORD_PTR answer = 0;
            return SendMessageTimeoutA(desktop_->listView(), LVM_GETITEMCOUNT, 0, 0,
                                       SMTO_ABORTIFHUNG, 200, &answer) != 0;
        },
        Milliseconds(15000)));
    desktop_->Move(0, 300, 300);
    ClickAndWait(controls_.saveIcons);
    const Strings resaved = SavedPositionsUtf8();
    EXPECT_NE(std::find(resaved.begin(), resaved.end(), "日本語メモ.txt=300,300"), resaved.end());
    MoveAll();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(desktop_->Icons()[1], kNamesInAnyScript[1]);
    ExpectNoErrorBox();
    EXPECT_EQ(desktop_->OnePageBlocks(), blocks);
}

TEST_F(IconsTest, SaveResolutionWritesTheFileAndThenTheIcons) {
    StartDesktop();
    Start();
    SetText(controls_.width, "1024");
    SetText(controls_.height, "768");
    ClickAndWait(controls_.saveResolution);
    EXPECT_EQ(ReadSettingsFile(), "1024\r\n768\r\nmanual\r\n");
    EXPECT_EQ(SavedPositions().size(), 4u);
}

} // namespace
} // namespace e2e
