#include "ErrorThrownBy.h"
#include "IconCommandTest.h"
#include "SavedLayouts.h"

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

using SaveIconsTest = IconCommandOnWayTest;
using Bytes = std::vector<std::uint8_t>;

INSTANTIATE_TEST_SUITE_P(Ways, SaveIconsTest, ::testing::Values(Way::FolderView, Way::ListView),
                         WayName);

// Little-endian, in full 32 bits (three 4K screens side by side reach
// x = 40,000), negative coordinates as two's complement.
TEST_P(SaveIconsTest, StoresEveryIconUnderItsLabelAsXThenY) {
    desktop.icons = {{u"Papierkorb", 20, 10},
                     {u"Arbeitsplatz", 40000, 90},
                     {u"Notizen.txt", 1004, 653},
                     {u"Links oben", -40, -2147483647 - 1}};
    EXPECT_TRUE(SaveIcons(icons));
    EXPECT_EQ(savedPositions(), (Strings{"Papierkorb=20,10", "Arbeitsplatz=40000,90",
                                         "Notizen.txt=1004,653", "Links oben=-40,-2147483648"}));
    EXPECT_EQ(registry.keys.at(kIconsKey).at(2).data, (Bytes{0xEC, 0x03, 0, 0, 0x8D, 0x02, 0, 0}));
    EXPECT_EQ(registry.keys.at(kIconsKey).at(3).data,
              (Bytes{0xD8, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}));
}

// Each name keeps every UTF-16 unit, so names that an 8-bit code page would
// have made alike, by "?" or by a look-alike letter, keep their own values.
TEST_P(SaveIconsTest, NamesInAnyScriptAreStoredUnitForUnit) {
    const std::vector<std::u16string> names = {
        u"日本語メモ.txt", u"Ωmega.lnk", u"Omega.lnk", u"Ω1",      u"Ж1",
        u"āpple",          u"apple",     u"😀 Party",   u"Grüße €", std::u16string(u"\xD800x", 2),
        u"Straße",         u"Strasse"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        desktop.icons.push_back({names[i], static_cast<std::int32_t>(i), 0});
    }
    SaveIcons(icons);
    const auto& values = registry.keys.at(kIconsKey);
    ASSERT_EQ(values.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(values[i].name, names[i]) << Utf8(names[i]);
    }
}

// A desktop without icons (a shell still starting, a desktop folder offline)
// or with an icon whose position cannot be read changes nothing saved, and
// the save says why.
TEST_P(SaveIconsTest, ASaveThatCannotReadEveryPositionChangesNothing) {
    struct Case {
        std::vector<FakeDesktopIcons::Icon> icons;
        int unreadable;
        std::string raised;
    };
    const Case cases[] = {
        {{}, -1, "Keine Desktop-Symbole gefunden: das gespeicherte Layout bleibt, wie es war"},
        {{{u"Eins", 1, 1}, {u"Zwei", 2, 2}},
         1,
         "Die Position eines Desktop-Symbols ist nicht lesbar: das gespeicherte Layout bleibt, "
         "wie es war"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raised);
        registry.keys.clear();
        save(u"Alt", 1, 2);
        desktop.icons = c.icons;
        desktop.unreadablePosition = c.unreadable;
        EXPECT_EQ(RaisedBy(SaveIcons, icons), c.raised);
        EXPECT_EQ(savedPositions(), Strings{"Alt=1,2"});
        EXPECT_EQ(registry.keys.size(), 1u);
    }
}

// Labels that the registry takes for one name would share a value: the
// folder view names each of those icons after its file name; the list view
// knows no file names, so there the one value holds the later icon's
// position. An icon whose label no other shares keeps its label's value.
TEST_P(SaveIconsTest, IconsSharingALabelAreSavedUnderTheirFileNamesWhereKnown) {
    desktop.icons = {{u"Report", 1, 1, u"Report.docx"}, {u"Post", 2, 2, u"Post.lnk"},
                     {u"REPORT", 3, 3, u"Report.pdf"},  {u"Жук", 5, 5, u"Жук.txt"},
                     {u"жук", 6, 6, u"жук.url"},        {u"Allein", 7, 7, u"Allein.txt"}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), folderView()
                                    ? (Strings{"Report.docx=1,1", "Post=2,2", "Report.pdf=3,3",
                                               "Жук.txt=5,5", "жук.url=6,6", "Allein=7,7"})
                                    : (Strings{"Report=3,3", "Post=2,2", "Жук=6,6", "Allein=7,7"}));
}

TEST_P(SaveIconsTest, AnEmptyTextGoesToTheUnnamedValue) {
    desktop.icons = {{u"", 75, 150}, {u"A", 5, 5}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), (Strings{"=75,150", "A=5,5"}));
}

// Even where the cut parts a surrogate pair.
TEST_P(SaveIconsTest, TextsAreCutTo254Units) {
    const std::u16string longText = std::u16string(250, u'x') + u"abcdefghij";
    const std::u16string emojiAtTheCut = std::u16string(253, u'y') + u"😀";
    desktop.icons = {{longText, 1, 2}, {std::u16string(254, u'z'), 3, 4}, {emojiAtTheCut, 5, 6}};
    SaveIcons(icons);
    const auto& values = registry.keys.at(kIconsKey);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, longText.substr(0, 254));
    EXPECT_EQ(values[1].name, std::u16string(254, u'z'));
    EXPECT_EQ(values[2].name, emojiAtTheCut.substr(0, 254));
}

// Values of icons that are gone, and whatever else the key held, go; the
// value of an icon still there is replaced in place, under the spelling the
// registry keeps.
TEST_P(SaveIconsTest, ARemovedIconIsGoneAfterTheNextSave) {
    save(u"BLEIBT", 7, 7);
    desktop.icons = {{u"Bleibt", 1, 1}, {u"Geht", 2, 2}};
    SaveIcons(icons);
    registry.keys[kIconsKey].push_back({u"Fremd", 1, {'a', 0}});
    desktop.icons.pop_back();
    desktop.icons[0].x = 5;
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{"BLEIBT=5,1"});
}

// A value under an icon's name that holds its position in another type is
// no saved position.
TEST_P(SaveIconsTest, AValueOfAnotherTypeUnderAnIconsNameIsReplaced) {
    registry.keys[kIconsKey] = {{u"Eins", kRegDword, {1, 0, 0, 0, 1, 0, 0, 0}}};
    desktop.icons = {{u"Eins", 1, 1}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
}

// Without a desktop whose icons can be reached, neither command stores or
// moves anything, and both say so.
TEST_F(IconCommandTest, WithoutADesktopNothingIsStoredOrMoved) {
    desktop.icons = {{u"Papierkorb", 20, 10}};
    desktop.present = false;
    EXPECT_FALSE(SaveIcons(icons));
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
    save(u"Papierkorb", 1, 1);
    EXPECT_FALSE(RestoreIcons(icons));
    EXPECT_EQ(iconPositions(), Strings{"Papierkorb=20,10"});
}

// A failure of any call to the desktop reports the system error and leaves
// the layout saved before untouched.
TEST_P(SaveIconsTest, AFailedDesktopCallLeavesTheSavedLayout) {
    desktop.icons = {{u"Report", 1, 1, u"Report.docx"}, {u"Report", 2, 2, u"Report.pdf"}};
    const Strings all =
        folderView() ? Strings{"Report.docx=1,1", "Report.pdf=2,2"} : Strings{"Report=2,2"};
    // The second read is the one that names the icons sharing a label.
    for (const int skipped : {0, 1}) {
        SCOPED_TRACE("read " + std::to_string(skipped));
        registry.keys.clear();
        save(u"Alt", 7, 7);
        desktop.failures.FailNext("Read", kErrorAccessDenied, skipped);
        const std::string raised = RaisedBy(SaveIcons, icons);
        EXPECT_TRUE(desktop.failures.Fired("Read"));
        EXPECT_EQ(raised, SystemErrorText(kErrorAccessDenied));
        EXPECT_EQ(savedPositions(), Strings{"Alt=7,7"});
        desktop.failures.Clear();
        SaveIcons(icons);
        EXPECT_EQ(savedPositions(), all);
    }
}

// The setup's new layout is written whole first, or not kept; then in the
// layout key the new values are written before the values of icons that are
// gone are removed. So a failure at any step leaves every position saved
// before, the old or the new one, and the failure is reported; a failed
// enumeration only leaves a gone icon's value in place.
TEST_P(SaveIconsTest, RegistryFailuresAreReportedAndTheLayoutIsNeverEmptier) {
    struct Case {
        const char* operation;
        int skipped;
        bool raises;
        Strings saved;
        std::size_t setupLayouts;
    };
    const Case cases[] = {
        {"CreateKey", 0, true, {"Geht=7,7", "Zwei=9,9"}, 0},
        {"SetValue", 1, true, {"Geht=7,7", "Zwei=9,9"}, 0},
        {"CreateKey", 1, true, {"Geht=7,7", "Zwei=9,9"}, 1},
        {"SetValue", 2, true, {"Geht=7,7", "Zwei=9,9"}, 1},
        {"SetValue", 3, true, {"Geht=7,7", "Zwei=9,9", "Eins=1,1"}, 1},
        {"DeleteValue", 0, true, {"Geht=7,7", "Zwei=2,2", "Eins=1,1"}, 1},
        {"Values", 0, false, {"Geht=7,7", "Zwei=2,2", "Eins=1,1"}, 1},
    };
    desktop.icons = {{u"Eins", 1, 1}, {u"Zwei", 2, 2}};
    for (const Case& step : cases) {
        SCOPED_TRACE(std::string(step.operation) + " after " + std::to_string(step.skipped));
        registry.keys.clear();
        save(u"Geht", 7, 7);
        save(u"Zwei", 9, 9);
        registry.failures.FailNext(step.operation, kErrorDiskFull, step.skipped);
        const std::string raised = RaisedBy(SaveIcons, icons);
        EXPECT_TRUE(registry.failures.Fired(step.operation));
        EXPECT_EQ(raised, step.raises ? SystemErrorText(kErrorDiskFull) : "");
        EXPECT_EQ(savedPositions(), step.saved);
        EXPECT_EQ(SavedTimes(registry, CurrentSetup(icons)).size(), step.setupLayouts);
        registry.failures.Clear();
    }
}

// Saving a layout unchanged writes nothing: a registry that refuses every
// write is not even asked, until a position differs.
TEST_P(SaveIconsTest, SavingAnUnchangedLayoutWritesNothing) {
    desktop.icons = {{u"Eins", 1, 1}, {u"Zwei", 2, 2}};
    SaveIcons(icons);
    registry.failures.FailAlways("SetValue", kErrorAccessDenied);
    EXPECT_EQ(RaisedBy(SaveIcons, icons), "");
    EXPECT_FALSE(registry.failures.Fired("SetValue"));
    desktop.icons[1].x = 5;
    EXPECT_EQ(RaisedBy(SaveIcons, icons), SystemErrorText(kErrorAccessDenied));
    EXPECT_TRUE(registry.failures.Fired("SetValue"));
}

TEST_F(IconCommandTest, AShellWiderThanTheProgramIsRefusedClearly) {
    desktop.widerShell = true;
    desktop.icons = {{u"Eins", 1, 1}};
    const Error error = ErrorThrownBy([&] { SaveIcons(icons); });
    EXPECT_EQ(error.kind(), ErrorKind::Unsupported);
    EXPECT_STREQ(error.what(),
                 "Die Desktop-Symbole einer 64-Bit-Shell erreicht nur das 64-Bit-Programm");
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
}

// However far the save got, a desktop that stops answering ends it with the
// box and leaves the layout saved before; while it does not answer, every
// command ends so at once, and once it answers again, the next one works.
TEST_P(SaveIconsTest, ADesktopThatStopsAnsweringKeepsTheSavedLayout) {
    desktop.icons = {{u"Report", 1, 1, u"Report.docx"}, {u"Report", 2, 2, u"Report.pdf"}};
    const Strings all =
        folderView() ? Strings{"Report.docx=1,1", "Report.pdf=2,2"} : Strings{"Report=2,2"};
    for (int answered = 0; answered <= 3; ++answered) {
        SCOPED_TRACE("answered " + std::to_string(answered));
        registry.keys.clear();
        save(u"Alt", 7, 7);
        desktop.failures.FailNext("Answer", 0, answered);
        const std::string raised = RaisedBy(SaveIcons, icons);
        const bool fired = desktop.failures.Fired("Answer");
        EXPECT_EQ(raised, fired ? kNoAnswer : "");
        EXPECT_EQ(savedPositions(), fired ? Strings{"Alt=7,7"} : all);
        desktop.failures.Clear();
        EXPECT_EQ(RaisedBy(RestoreIcons, icons), fired ? kNoAnswer : "");
        desktop.answering = true;
        SaveIcons(icons);
        EXPECT_EQ(savedPositions(), all);
    }
}

} // namespace
} // namespace vevove::fake
