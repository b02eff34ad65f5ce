#include "ErrorThrownBy.h"
#include "IconCommandTest.h"

#include <set>
#include <string>
#include <vector>

namespace vevove::fake {
namespace {

class RestoreIconsTest : public IconCommandOnWayTest {
  protected:
    RestoreIconsTest() {
        desktop.icons = {
            {u"Papierkorb", 20, 10}, {u"Arbeitsplatz", 20, 90}, {u"Notizen.txt", 100, 200}};
    }
};

INSTANTIATE_TEST_SUITE_P(Ways, RestoreIconsTest, ::testing::Values(Way::FolderView, Way::ListView),
                         WayName);

// In full 32 bits: three 4K screens side by side reach x = 40,000.
TEST_P(RestoreIconsTest, PutsBackWhatASaveRecorded) {
    desktop.icons[1].x = 40000;
    desktop.icons[2].y = -70000;
    SaveIcons(icons);
    desktop.icons[0].x = 500;
    desktop.icons[1].y = 700;
    desktop.icons[2] = {u"Notizen.txt", -3, -4};
    EXPECT_TRUE(RestoreIcons(icons));
    EXPECT_EQ(iconPositions(),
              (Strings{"Papierkorb=20,10", "Arbeitsplatz=40000,90", "Notizen.txt=100,-70000"}));
}

// Icons that share a label (Report.docx and Report.pdf, with extensions
// hidden) come back each to its own place through the folder view, which
// knows their file names; the list view, which does not, puts the first one
// where the later one was.
TEST_P(RestoreIconsTest, IconsSharingALabelComeBackEachToItsPlaceWhereFileNamesAreKnown) {
    desktop.icons = {{u"Report", 10, 10, u"Report.docx"},
                     {u"Report", 90, 90, u"Report.pdf"},
                     {u"Allein", 50, 50, u"Allein.txt"}};
    SaveIcons(icons);
    for (FakeDesktopIcons::Icon& icon : desktop.icons) {
        icon.x = icon.y = 0;
    }
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), folderView()
                                   ? (Strings{"Report=10,10", "Report=90,90", "Allein=50,50"})
                                   : (Strings{"Report=90,90", "Report=0,0", "Allein=50,50"}));
}

// A value named after a file moves that file's icon, even once its label is
// no longer shared; a value under a label moves the first other icon with
// that label; a value that moved an icon by its file name moves no other by
// its label.
TEST_P(RestoreIconsTest, AFileNameValueFindsItsIconBeforeAnyLabel) {
    struct Case {
        const char* name;
        std::vector<FakeDesktopIcons::Icon> icons;
        std::vector<RegistryValue> saved;
        Strings folderView;
        Strings listView;
    };
    const Case cases[] = {
        {"shared label",
         {{u"Report", 0, 0, u"Report.docx"}, {u"Report", 0, 0, u"Report.pdf"}},
         {SavedPosition(u"Report.pdf", 7, 7), SavedPosition(u"Report", 3, 3)},
         {"Report=3,3", "Report=7,7"},
         {"Report=3,3", "Report=0,0"}},
        {"label no longer shared",
         {{u"Report", 0, 0, u"Report.pdf"}},
         {SavedPosition(u"Report.pdf", 7, 7)},
         {"Report=7,7"},
         {"Report=0,0"}},
        {"the label goes to the other icon",
         {{u"Report", 0, 0, u"Report.docx"}, {u"Report", 0, 0, u"Report.pdf"}},
         {SavedPosition(u"Report.docx", 1, 1), SavedPosition(u"Report", 3, 3)},
         {"Report=1,1", "Report=3,3"},
         {"Report=3,3", "Report=0,0"}},
        {"a file name's value is used once",
         {{u"Report", 0, 0, u"Report.pdf"}, {u"Report.pdf", 0, 0, u"Report.pdf.lnk"}},
         {SavedPosition(u"Report.pdf", 7, 7)},
         {"Report=7,7", "Report.pdf=0,0"},
         {"Report=0,0", "Report.pdf=7,7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.icons = c.icons;
        registry.keys[kIconsKey] = c.saved;
        RestoreIcons(icons);
        EXPECT_EQ(iconPositions(), folderView() ? c.folderView : c.listView);
    }
}

// Names that an 8-bit code page would have made alike each come back to
// their own icon.
TEST_P(RestoreIconsTest, NamesInAnyScriptComeBackEachToItsIcon) {
    desktop.icons = {{u"日本語メモ.txt", 0, 0},
                     {u"Ωmega.lnk", 0, 0},
                     {u"Omega.lnk", 0, 0},
                     {u"Ω1", 0, 0},
                     {u"Ж1", 0, 0},
                     {u"āpple", 0, 0},
                     {u"apple", 0, 0},
                     {u"😀", 0, 0},
                     {u"😁", 0, 0},
                     {std::u16string(u"\xDC00", 1), 0, 0}};
    for (std::size_t i = 0; i < desktop.icons.size(); ++i) {
        desktop.icons[i].x = static_cast<std::int32_t>(10 * i);
    }
    SaveIcons(icons);
    const Strings saved = iconPositions();
    for (FakeDesktopIcons::Icon& item : desktop.icons) {
        item.y = 99;
    }
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), saved);
}

// The list view's search compares without regard to case and, as Windows
// sorts, takes "ß" for "ss"; of the icons it takes for the same, it finds
// the first in item order, and so does the restore.
TEST_P(RestoreIconsTest, MatchesNamesAsTheListViewsSearchDoes) {
    struct Case {
        std::vector<std::u16string> texts;
        std::u16string saved;
        Strings moved;
    };
    const Case cases[] = {
        {{u"Notizen.txt"}, u"notizen.TXT", {"Notizen.txt=1,2"}},
        {{u"Ärger", u"ärger"}, u"ÄRGER", {"Ärger=1,2", "ärger=0,0"}},
        {{u"жук", u"Жук"}, u"ЖУК", {"жук=1,2", "Жук=0,0"}},
        {{u"Strasse", u"Straße"}, u"Straße", {"Strasse=1,2", "Straße=0,0"}},
        {{u"Papierkorb", u"Papierkorb"}, u"Papierkorb", {"Papierkorb=1,2", "Papierkorb=0,0"}},
        {{u"apple", u"āpple"}, u"āpple", {"apple=0,0", "āpple=1,2"}},
        {{u"Ж1", u"Ω1"}, u"Ω1", {"Ж1=0,0", "Ω1=1,2"}},
    };
    for (const Case& match : cases) {
        SCOPED_TRACE(Utf8(match.saved));
        desktop.icons.clear();
        for (const std::u16string& text : match.texts) {
            desktop.icons.push_back({text, 0, 0});
        }
        registry.keys.clear();
        save(match.saved, 1, 2);
        RestoreIcons(icons);
        EXPECT_EQ(iconPositions(), match.moved);
    }
}

// Values that the search takes for one icon move it in turn, so the last one
// decides where it ends.
TEST_P(RestoreIconsTest, OfValuesForOneIconTheLastDecides) {
    desktop.icons = {{u"Strasse", 5, 5}};
    save(u"Straße", 1, 2);
    save(u"Strasse", 5, 5);
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), Strings{"Strasse=5,5"});
}

TEST_P(RestoreIconsTest, BeforeAnySaveNothingMoves) {
    const Strings unmoved = iconPositions();
    EXPECT_TRUE(RestoreIcons(icons));
    EXPECT_EQ(iconPositions(), unmoved);
}

TEST_P(RestoreIconsTest, AMissingIconIsSkippedAndTheOthersStillMove) {
    save(u"Papierkorb", 1, 1);
    save(u"Gibt es nicht", 2, 2);
    save(u"Notizen.txt", 3, 3);
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(),
              (Strings{"Papierkorb=1,1", "Arbeitsplatz=20,90", "Notizen.txt=3,3"}));
}

TEST_P(RestoreIconsTest, SkipsValuesThatAreNotEightBytesOfBinary) {
    registry.keys[kIconsKey] = {{u"Papierkorb", kRegBinary, {1, 0, 0, 0}},
                                {u"Arbeitsplatz", kRegBinary, {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}},
                                {u"Notizen.txt", kRegDword, {1, 0, 0, 0, 2, 0, 0, 0}},
                                {u"Notizen.txt ", kRegSz, {'a', 0}}};
    const Strings before = iconPositions();
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), before);
}

// Texts are read up to 254 units, as a save stores them: an icon with a
// longer text comes back under its saved name, a longer name finds no icon.
TEST_P(RestoreIconsTest, TextsLongerThan254UnitsMatchByTheir254First) {
    desktop.icons.push_back({std::u16string(300, u'n'), 0, 0});
    SaveIcons(icons);
    save(std::u16string(300, u'n'), 5, 5);
    desktop.icons[3].x = 40;
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions()[3], std::string(300, 'n') + "=0,0");
}

TEST_P(RestoreIconsTest, TheUnnamedValueMovesTheIconWithoutText) {
    desktop.icons.push_back({u"", 0, 0});
    save(u"", 44, 55);
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions()[3], "=44,55");
}

TEST_P(RestoreIconsTest, AnEnumerationFailureEndsTheWalkQuietly) {
    save(u"Papierkorb", 1, 1);
    save(u"Arbeitsplatz", 2, 2);
    registry.failures.FailNext("Values", kErrorAccessDenied, 1);
    RestoreIcons(icons);
    EXPECT_TRUE(registry.failures.Fired("Values"));
    EXPECT_EQ(iconPositions()[0], "Papierkorb=1,1");
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=20,90");
}

// A failure of a call to the desktop or of a match key raises the system
// error, one of the registry ends the walk quietly; either way nothing stays
// open, and the next command works.
TEST_P(RestoreIconsTest, AFailureAtAnyStepLeavesNothingOpen) {
    desktop.icons.push_back({u"Report", 0, 0, u"Report.docx"});
    desktop.icons.push_back({u"Report", 0, 0, u"Report.pdf"});
    save(u"Papierkorb", 1, 1);
    save(u"Arbeitsplatz", 2, 2);
    const Strings unmoved = iconPositions();
    struct Case {
        InjectedFailures& failures;
        const char* operation;
        int skipped;
        bool raises;
    };
    for (const Case& step :
         {Case{desktop.failures, "Read", 0, true}, Case{desktop.failures, "Read", 1, true},
          Case{desktop.failures, "Place", 0, true}, Case{names.failures, "MatchKey", 1, true},
          Case{names.failures, "MatchKey", 4, true}, Case{registry.failures, "OpenKey", 0, false},
          Case{registry.failures, "Values", 0, false}}) {
        SCOPED_TRACE(std::string(step.operation) + " after " + std::to_string(step.skipped));
        step.failures.FailNext(step.operation, kErrorAccessDenied, step.skipped);
        const std::string raised = RaisedBy(RestoreIcons, icons);
        EXPECT_TRUE(step.failures.Fired(step.operation));
        EXPECT_EQ(raised, step.raises ? SystemErrorText(kErrorAccessDenied) : "");
        step.failures.Clear();
        EXPECT_EQ(iconPositions(), unmoved);
        EXPECT_TRUE(registry.openKeys.empty());
    }
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=2,2");
}

// Wherever the desktop stops answering, the restore ends with the box; the
// next command, once it answers, moves the icons.
TEST_P(RestoreIconsTest, ADesktopThatStopsAnsweringEndsTheRestoreWithTheBox) {
    save(u"Papierkorb", 1, 1);
    save(u"Notizen.txt", 3, 3);
    for (int answered = 0; answered <= 2; ++answered) {
        SCOPED_TRACE("answered " + std::to_string(answered));
        desktop.failures.FailNext("Answer", 0, answered);
        const std::string raised = RaisedBy(RestoreIcons, icons);
        EXPECT_EQ(raised, desktop.failures.Fired("Answer") ? kNoAnswer : "");
        if (!raised.empty()) {
            desktop.failures.Clear();
            desktop.answering = true;
            RestoreIcons(icons);
        }
        EXPECT_EQ(iconPositions(),
                  (Strings{"Papierkorb=1,1", "Arbeitsplatz=20,90", "Notizen.txt=3,3"}));
        desktop.icons[0].x = 20;
        desktop.icons[2].x = 100;
    }
}

// A shell that restarted between the read and the move lists its icons anew:
// the move is repeated once from a fresh read, and a second restart in a row
// ends the restore with the box.
TEST_P(RestoreIconsTest, AShellRestartedBeforeTheMoveIsReadAgain) {
    save(u"Papierkorb", 1, 1);
    save(u"Notizen.txt", 3, 3);
    desktop.restartsAtPlace = 1;
    EXPECT_EQ(RaisedBy(RestoreIcons, icons), "");
    EXPECT_EQ(iconPositions(),
              (Strings{"Notizen.txt=3,3", "Arbeitsplatz=20,90", "Papierkorb=1,1"}));
    desktop.restartsAtPlace = 2;
    EXPECT_EQ(RaisedBy(RestoreIcons, icons), kNoAnswer);
    EXPECT_EQ(desktop.restartsAtPlace, 0);
}

// The automatic restore's placing of icons that came late: only icons whose
// labels were not there before move.
TEST_P(RestoreIconsTest, OnlyIconsNotYetPlacedMove) {
    save(u"Papierkorb", 1, 1);
    save(u"Notizen.txt", 3, 3);
    std::set<std::u16string> placed = {u"Papierkorb", u"Arbeitsplatz"};
    EXPECT_TRUE(RestoreIconsNotYetPlaced(icons, placed));
    EXPECT_EQ(iconPositions(),
              (Strings{"Papierkorb=20,10", "Arbeitsplatz=20,90", "Notizen.txt=3,3"}));
    EXPECT_EQ(placed, (std::set<std::u16string>{u"Papierkorb", u"Arbeitsplatz", u"Notizen.txt"}));
}

} // namespace
} // namespace vevove::fake
