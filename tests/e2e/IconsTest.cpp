// "Save Icons", "Restore Icons" and the icon save of "Save resolution" against
// the stand-in desktop shell, checked in the registry and in the positions its
// list view holds: through its folder view, as on Windows 10 1809 and later,
// and through its list view, as where the folder view does not serve; with an
// ANSI list view and, as on a real desktop, with a Unicode one whose texts
// the shell view supplies; and with a shell that stops answering for a while.
#include "harness/CommandLineRun.h"
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
                                             {200, 170, "中文.doc"},
                                             {40000, 10, "Drei Bildschirme weiter"}};
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
        HWND box = WaitForMessageBox(vevove().id(), Milliseconds(300));
        EXPECT_EQ(box, nullptr) << (box ? MessageBoxText(box) : "");
    }

    std::optional<StandinDesktop> desktop_;
};

// The two ways to the desktop's icons: the stand-in serves its folder view
// (Vevove takes it), or it has none (Vevove takes its list view).
enum class Way { FolderView, ListView };

class IconsOnBothWaysTest : public IconsTest, public ::testing::WithParamInterface<Way> {
  protected:
    StandinDesktop::Options Desktop(const std::vector<Icon>& icons) const {
        StandinDesktop::Options options{icons};
        options.unicode = true;
        options.folderView = GetParam() == Way::FolderView;
        return options;
    }
    // Answers a message at once while Vevove waits for the desktop.
    bool MainWindowAnswers() const {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(mainWindow_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer) != 0;
    }
};

INSTANTIATE_TEST_SUITE_P(Ways, IconsOnBothWaysTest,
                         ::testing::Values(Way::FolderView, Way::ListView),
                         [](const ::testing::TestParamInfo<Way>& way) {
                             return way.param == Way::FolderView ? "FolderView" : "ListView";
                         });

// Names in any script, and an icon three 4K screens to the right, whose x
// needs more than 16 bits.
TEST_P(IconsOnBothWaysTest, IconsComeBackAsSaved) {
    StartDesktop(Desktop(kNamesInAnyScript));
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositionsUtf8(), Sorted(kNamesInAnyScript));
    MoveAll();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kNamesInAnyScript));
    ExpectNoErrorBox();
    if (GetParam() == Way::FolderView) {
        // Kept for the commands of a burst, then let go.
        EXPECT_TRUE(WaitUntil([&] { return desktop_->LiveComObjects() == 0; }));
    }
}

TEST_P(IconsOnBothWaysTest, WithAutomaticArrangementItIsOnAgainAfterwards) {
    StandinDesktop::Options options = Desktop(kIconsInUtf8);
    options.autoArrange = true;
    StartDesktop(options);
    Start();
    const LONG style = GetWindowLongA(desktop_->listView(), GWL_STYLE);
    ASSERT_NE(style & LVS_AUTOARRANGE, 0);
    ClickAndWait(controls_.saveIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(GetWindowLongA(desktop_->listView(), GWL_STYLE), style);
    ExpectNoErrorBox();
}

// Windows 11 24H2 puts a "WorkerW" before the view under "Progman".
TEST_P(IconsOnBothWaysTest, TheViewBesideAWorkerWUnderProgmanIsFound) {
    StandinDesktop::Options options = Desktop(kIconsInUtf8);
    options.workerwChild = true;
    StartDesktop(options);
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositionsUtf8(), Sorted(kIconsInUtf8));
    desktop_->Move(2, 600, 500);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIconsInUtf8));
}

// A command that meets a desktop that has stopped answering ends within
// about two seconds with the box, while the main window keeps answering and
// moving; a command given while the desktop still does not answer waits for
// the one before, and ends with the box too. The layout saved before stays,
// and once the desktop answers again, the next commands work.
TEST_P(IconsOnBothWaysTest, ADesktopThatStopsAnsweringGivesTheBoxAndVevoveCarriesOn) {
    StartDesktop(Desktop(kNamesInAnyScript));
    Start();
    ClickAndWait(controls_.saveIcons);
    const Strings saved = SavedPositionsUtf8();
    desktop_->Hang(9000);
    for (HWND button : {controls_.saveIcons, controls_.restoreIcons}) {
        const auto start = std::chrono::steady_clock::now();
        Click(button);
        if (button == controls_.saveIcons) {
            ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(button) == FALSE; }));
            EXPECT_TRUE(MainWindowAnswers());
            RECT before{};
            GetWindowRect(mainWindow_, &before);
            SetWindowPos(mainWindow_, nullptr, before.left + 7, before.top + 5, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
            EXPECT_TRUE(WaitUntil(
                [&] {
                    RECT now{};
                    GetWindowRect(mainWindow_, &now);
                    return now.left == before.left + 7 && now.top == before.top + 5;
                },
                Milliseconds(1000)));
        }
        HWND box = WaitForMessageBox(vevove().id(), Milliseconds(6000));
        ASSERT_NE(box, nullptr);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(MessageBoxText(box), kNoAnswerText);
        EXPECT_EQ(Text(box), "Vevove");
        EXPECT_EQ(MessageBoxes(vevove().id()).size(), 1u);
        PressOk(box);
        ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    }
    EXPECT_EQ(SavedPositionsUtf8(), saved);
    ASSERT_TRUE(WaitUntil(
        [&] {
            DWORD_PTR answer = 0;
            return SendMessageTimeoutA(desktop_->listView(), LVM_GETITEMCOUNT, 0, 0,
                                       SMTO_ABORTIFHUNG, 200, &answer) != 0;
        },
        Milliseconds(15000)));
    EXPECT_EQ(SavedPositionsUtf8(), saved);
    desktop_->Move(0, 300, 300);
    ClickAndWait(controls_.saveIcons);
    const Strings resaved = SavedPositionsUtf8();
    EXPECT_NE(std::find(resaved.begin(), resaved.end(), "日本語メモ.txt=300,300"), resaved.end());
    MoveAll();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(desktop_->Icons()[1], kNamesInAnyScript[1]);
    ExpectNoErrorBox();
}

// The folder view moves the icons in the shell's icon manager too, so they
// stay where they came back to when the desktop refreshes; a place set in
// the list view alone does not. The layout saved is the user's own (the user's
// moves reach the manager), not the one the desktop started with.
TEST_F(IconsTest, ThroughTheFolderViewARestoreSurvivesARefresh) {
    StandinDesktop::Options options{kIconsInUtf8};
    options.unicode = true;
    options.folderView = true;
    StartDesktop(options);
    Start();
    MoveAll();
    const std::vector<Icon> arranged = desktop_->Icons();
    ClickAndWait(controls_.saveIcons);
    for (std::size_t item = 0; item < arranged.size(); ++item) {
        desktop_->Move(static_cast<int>(item), 700, 40 + 40 * static_cast<int>(item));
    }
    ClickAndWait(controls_.restoreIcons);
    desktop_->MoveInListViewOnly(3, 900, 600);
    ASSERT_EQ(desktop_->Icons()[3], (Icon{900, 600, "Café"}));
    desktop_->Refresh();
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(arranged));
}

// With extensions hidden, Report.docx and Report.pdf are both labelled
// "Report": each is saved under its file name and comes back to its place.
TEST_F(IconsTest, ThroughTheFolderViewIconsSharingALabelComeBackEachToItsPlace) {
    const std::vector<Icon> reports = {
        {20, 10, "Report", "Report.docx"}, {20, 90, "Report", "Report.pdf"}, {110, 10, "Notes"}};
    StandinDesktop::Options options{reports};
    options.unicode = true;
    options.folderView = true;
    StartDesktop(options);
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositionsUtf8(),
              (Strings{"Notes=110,10", "Report.docx=20,10", "Report.pdf=20,90"}));
    MoveAll();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(reports));
}

// Another program's window under "Progman", with no desktop view there, is
// not taken for the list view: no message reaches it, the layout saved
// before stays, and no box comes.
TEST_F(IconsTest, AForeignWindowUnderProgmanIsLeftAlone) {
    WriteIconPosition("Recycle Bin", 400, 300);
    StandinDesktop::Options options{kIcons};
    options.foreignOnly = true;
    StartDesktop(options);
    Start();
    ClickAndWait(controls_.saveIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(SavedPositions(), Strings{"Recycle Bin=400,300"});
    EXPECT_EQ(desktop_->ForeignMessages(), 0);
    ExpectNoErrorBox();
}

// Beside the desktop's view, a foreign window first under "Progman" is
// skipped and the view is found.
TEST_F(IconsTest, AForeignWindowBeforeTheViewIsSkipped) {
    StandinDesktop::Options options{kIcons};
    options.foreignChild = true;
    StartDesktop(options);
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions().size(), 4u);
    EXPECT_EQ(desktop_->ForeignMessages(), 0);
}

// The list view's style change waits for the shell: when the shell hangs
// right then, the restore still ends within seconds with the box, and the
// arrangement comes back once the shell answers. Quit, and the end of a
// /restoreicons run, wait for a restore that hangs there: once the shell
// answers (here within the wait), the arrangement is on again before Vevove
// has ended.
TEST_F(IconsTest, AHangAtTheArrangementGivesTheBoxAndTheEndWaitsForIt) {
    StandinDesktop::Options options{kIcons};
    options.autoArrange = true;
    StartDesktop(options);
    Start();
    const LONG style = GetWindowLongA(desktop_->listView(), GWL_STYLE);
    ClickAndWait(controls_.saveIcons);
    const auto shellAnswers = [&] {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(desktop_->listView(), LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG,
                                   200, &answer) != 0;
    };
    desktop_->HangAtStyleChange(7000);
    const auto start = std::chrono::steady_clock::now();
    Click(controls_.restoreIcons);
    HWND box = WaitForMessageBox(vevove().id(), Milliseconds(6000));
    ASSERT_NE(box, nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(MessageBoxText(box), kNoAnswerText);
    PressOk(box);
    ASSERT_TRUE(WaitUntil(shellAnswers));
    EXPECT_TRUE(
        WaitUntil([&] { return GetWindowLongA(desktop_->listView(), GWL_STYLE) == style; }));

    desktop_->HangAtStyleChange(3000);
    Click(controls_.restoreIcons);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(controls_.restoreIcons) == FALSE; }));
    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), std::optional<DWORD>(0));
    ASSERT_TRUE(WaitUntil(shellAnswers));
    EXPECT_EQ(GetWindowLongA(desktop_->listView(), GWL_STYLE), style);

    desktop_->HangAtStyleChange(3000);
    const CommandLineRun run = RunVevove("/restoreicons");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(1));
    EXPECT_EQ(run.error, std::string("/restoreicons: ") + kNoAnswerText + "\r\n");
    ASSERT_TRUE(WaitUntil(shellAnswers));
    EXPECT_EQ(GetWindowLongA(desktop_->listView(), GWL_STYLE), style);
}

// A large desktop through a slow shell that rejects a call now and then
// ("retry later") is restored whole, without the box: the time allowed is
// for each of the shell's answers, not for the command.
TEST_F(IconsTest, ASlowShellThatRejectsACallRestoresManyIcons) {
    std::vector<Icon> icons;
    for (int at = 0; at < 255; ++at) {
        icons.push_back({10 + 60 * (at % 16), 10 + 60 * (at / 16), "Icon " + std::to_string(at)});
    }
    StandinDesktop::Options options{icons};
    options.folderView = true;
    StartDesktop(options);
    Start();
    ClickAndWait(controls_.saveIcons);
    ExpectNoErrorBox();
    ASSERT_EQ(SavedPositions().size(), icons.size());
    for (Icon& icon : icons) {
        icon.x += 1000;
    }
    options.icons = icons;
    options.callDelayMs = 20;
    desktop_.reset();
    StartDesktop(options);
    desktop_->RejectNextCall();
    Click(controls_.restoreIcons);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(controls_.restoreIcons) == FALSE; }));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(controls_.restoreIcons) != FALSE; },
                          Milliseconds(40000)));
    EXPECT_EQ(desktop_->RejectedCalls(), 1);
    const std::vector<Icon> restored = desktop_->Icons();
    ASSERT_EQ(restored.size(), icons.size());
    for (std::size_t at = 0; at < icons.size(); ++at) {
        EXPECT_EQ(restored[at].x, icons[at].x - 1000) << restored[at].text;
    }
    ExpectNoErrorBox();
}

// A save on a desktop that has lost its icons (a shell still filling it, a
// desktop folder offline) keeps the layout saved before and says why.
TEST_F(IconsTest, ASaveOnAnEmptiedDesktopKeepsTheLayoutAndSaysWhy) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    const Strings saved = SavedPositions();
    for (std::size_t item = 0; item < kIcons.size(); ++item) {
        desktop_->Remove(0);
    }
    ASSERT_TRUE(desktop_->Icons().empty());
    Click(controls_.saveIcons);
    HWND box = WaitForMessageBox(vevove().id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "Keine Desktop-Symbole gefunden: das gespeicherte Layout bleibt, wie es war.");
    PressOk(box);
    EXPECT_EQ(SavedPositions(), saved);
}

// An ANSI list view: each icon one value in the real registry, its bytes as
// the key has always held them; moved icons come back, and the value of an
// icon that is gone goes at the next save.
TEST_F(IconsTest, OnAnAnsiListViewIconsAreSavedComeBackAndGo) {
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
    desktop_->Move(0, 300, 200);
    desktop_->Move(3, 500, 400);
    ASSERT_NE(desktop_->Icons(), kIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    desktop_->Remove(1);
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(),
              (Strings{"Caf\xE9=110,90", "Notes.txt=110,10", "Recycle Bin=20,10"}));
    ExpectNoErrorBox();
}

TEST_F(IconsTest, TheSameTextTwiceAndAnEmptyTextAreStoredAsTheRegistryAllows) {
    StartDesktop({{20, 10, "Twice"}, {20, 90, ""}, {110, 10, "TWICE"}});
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), (Strings{"=20,90", "Twice=110,10"}));
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
