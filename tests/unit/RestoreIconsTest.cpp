#include "ErrorThrownBy.h"
#include "IconCommandTest.h"

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

class RestoreIconsTest : public IconCommandOnShellTest {
  protected:
    RestoreIconsTest() {
        desktop.items = {
            {u"Papierkorb", 20, 10}, {u"Arbeitsplatz", 20, 90}, {u"Notizen.txt", 100, 200}};
    }
};

INSTANTIATE_TEST_SUITE_P(ShellWidths, RestoreIconsTest, ::testing::Values(64, 32));

TEST_P(RestoreIconsTest, PutsBackWhatASaveRecorded) {
    SaveIcons(icons);
    desktop.items[0].x = 500;
    desktop.items[1].y = 700;
    desktop.items[2] = {u"Notizen.txt", -3, -4};
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(),
              (Strings{"Papierkorb=20,10", "Arbeitsplatz=20,90", "Notizen.txt=100,200"}));
}

// Names that an 8-bit code page would have made alike each come back to
// their own icon.
TEST_P(RestoreIconsTest, NamesInAnyScriptComeBackEachToItsIcon) {
    desktop.items = {{u"日本語メモ.txt", 0, 0},
                     {u"Ωmega.lnk", 0, 0},
                     {u"Omega.lnk", 0, 0},
                     {u"Ω1", 0, 0},
                     {u"Ж1", 0, 0},
                     {u"āpple", 0, 0},
                     {u"apple", 0, 0},
                     {u"😀", 0, 0},
                     {u"😁", 0, 0},
                     {std::u16string(u"\xDC00", 1), 0, 0}};
    for (std::size_t i = 0; i < desktop.items.size(); ++i) {
        desktop.items[i].x = static_cast<std::int32_t>(10 * i);
    }
    SaveIcons(icons);
    const Strings saved = iconPositions();
    for (FakeDesktop::Item& item : desktop.items) {
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
        desktop.items.clear();
        for (const std::u16string& text : match.texts) {
            desktop.items.push_back({text, 0, 0});
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
    desktop.items = {{u"Strasse", 5, 5}};
    save(u"Straße", 1, 2);
    save(u"Strasse", 5, 5);
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), Strings{"Strasse=5,5"});
}

TEST_P(RestoreIconsTest, BeforeAnySaveNothingMovesAndTheStyleStays) {
    desktop.style |= kAutoArrange;
    const std::int32_t before = desktop.style;
    const Strings unmoved = iconPositions();
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions(), unmoved);
    EXPECT_EQ(desktop.style, before);
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
    desktop.items.push_back({std::u16string(300, u'n'), 0, 0});
    SaveIcons(icons);
    save(std::u16string(300, u'n'), 5, 5);
    desktop.items[3].x = 40;
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions()[3], std::string(300, 'n') + "=0,0");
}

TEST_P(RestoreIconsTest, CoordinatesAreCutToSixteenBits) {
    save(u"Papierkorb", 65536 + 12, -65536 - 3);
    save(u"Arbeitsplatz", 32768, -32768);
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions()[0], "Papierkorb=12,-3");
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=-32768,-32768");
}

TEST_P(RestoreIconsTest, TheUnnamedValueMovesTheIconWithoutText) {
    desktop.items.push_back({u"", 0, 0});
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

// A failure of the block or of a search key raises the system error before
// any icon moves, one of the registry ends the walk quietly; either way the
// style is as before and nothing stays open, and the next command works. Ten
// icons take two turns through the block's slots.
TEST_P(RestoreIconsTest, AFailureAtAnyStepLeavesTheStyleAndNothingOpen) {
    for (char16_t i = u'3'; i <= u'9'; ++i) {
        desktop.items.push_back({std::u16string(u"Symbol ") + i, 0, 0});
    }
    save(u"Papierkorb", 1, 1);
    save(u"Arbeitsplatz", 2, 2);
    desktop.style |= kAutoArrange;
    const std::int32_t before = desktop.style;
    const Strings unmoved = iconPositions();
    struct Case {
        InjectedFailures& failures;
        const char* operation;
        int skipped;
        bool raises;
    };
    for (const Case& step :
         {Case{desktop.failures, "Open", 0, true}, Case{desktop.failures, "Write", 0, true},
          Case{desktop.failures, "Read", 0, true}, Case{desktop.failures, "Read", 1, true},
          Case{desktop.failures, "SearchKey", 1, true},
          Case{desktop.failures, "SearchKey", 10, true},
          Case{registry.failures, "OpenKey", 0, false},
          Case{registry.failures, "Values", 0, false}}) {
        SCOPED_TRACE(std::string(step.operation) + " after " + std::to_string(step.skipped));
        step.failures.FailNext(step.operation, kErrorAccessDenied, step.skipped);
        const std::string raised = RaisedBy(RestoreIcons, icons);
        EXPECT_TRUE(step.failures.Fired(step.operation));
        EXPECT_EQ(raised, step.raises ? SystemErrorText(kErrorAccessDenied) : "");
        step.failures.Clear();
        EXPECT_EQ(iconPositions(), unmoved);
        EXPECT_EQ(desktop.style, before);
        EXPECT_TRUE(desktop.blocks.empty());
        EXPECT_TRUE(desktop.openProcesses.empty());
        EXPECT_TRUE(registry.openKeys.empty());
    }
    RestoreIcons(icons);
    EXPECT_EQ(iconPositions()[1], "Arbeitsplatz=2,2");
}

// Wherever the list view stops answering, the restore ends with the box and
// leaves the block, and the style if it had switched arrangement off, to the
// shell until it answers again; the next command then puts the style back,
// releases the block and moves the icons.
TEST_P(RestoreIconsTest, AShellThatStopsAnsweringGetsItsStyleBackOnceItAnswers) {
    save(u"Papierkorb", 1, 1);
    save(u"Notizen.txt", 3, 3);
    desktop.style |= kAutoArrange;
    const std::int32_t before = desktop.style;
    // The count and each icon's text come before the moves.
    constexpr int kBeforeMoves = 1 + 3;
    for (int answered = 0; answered <= kBeforeMoves + 2; ++answered) {
        SCOPED_TRACE("answered " + std::to_string(answered));
        desktop.failures.FailNext("Answer", 0, answered);
        const std::string raised = RaisedBy(RestoreIcons, icons);
        EXPECT_EQ(raised, desktop.failures.Fired("Answer") ? kNoAnswer : "");
        if (!raised.empty()) {
            EXPECT_EQ(desktop.blocks.size(), 1u);
            EXPECT_EQ(desktop.style, answered < kBeforeMoves ? before : before & ~kAutoArrange);
            desktop.failures.Clear();
            desktop.answering = true;
            RestoreIcons(icons);
        }
        EXPECT_EQ(desktop.style, before);
        EXPECT_EQ(iconPositions(),
                  (Strings{"Papierkorb=1,1", "Arbeitsplatz=20,90", "Notizen.txt=3,3"}));
        desktop.items[0].x = 20;
        desktop.items[2].x = 100;
    }
}

} // namespace
} // namespace vevove::fake
