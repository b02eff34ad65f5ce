#include "ErrorThrownBy.h"
#include "IconCommandTest.h"

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

using SaveIconsTest = IconCommandOnShellTest;
using Bytes = std::vector<std::uint8_t>;

INSTANTIATE_TEST_SUITE_P(ShellWidths, SaveIconsTest, ::testing::Values(64, 32));

// Little-endian, negative coordinates as two's complement.
TEST_P(SaveIconsTest, StoresEveryIconUnderItsTextAsXThenY) {
    desktop.items = {{u"Papierkorb", 20, 10},
                     {u"Arbeitsplatz", 20, 90},
                     {u"Notizen.txt", 1004, 653},
                     {u"Links oben", -40, -2147483647 - 1}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), (Strings{"Papierkorb=20,10", "Arbeitsplatz=20,90",
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
        desktop.items.push_back({names[i], static_cast<std::int32_t>(i), 0});
    }
    SaveIcons(icons);
    const auto& values = registry.keys.at(kIconsKey);
    ASSERT_EQ(values.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(values[i].name, names[i]) << Utf8(names[i]);
    }
}

TEST_P(SaveIconsTest, AnEmptyDesktopLeavesAnEmptyKey) {
    save(u"Alt", 1, 2);
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{});
}

// The registry takes names that differ only in case for one value.
TEST_P(SaveIconsTest, TheSameTextTwiceKeepsTheHigherIndexWhateverTheCase) {
    desktop.items = {{u"Spiele", 1, 1}, {u"Post", 2, 2}, {u"SPIELE", 3, 3},
                     {u"Post", 4, 4},   {u"Жук", 5, 5},  {u"жук", 6, 6}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), (Strings{"Spiele=3,3", "Post=4,4", "Жук=6,6"}));
}

TEST_P(SaveIconsTest, AnEmptyTextGoesToTheUnnamedValue) {
    desktop.items = {{u"", 75, 150}, {u"A", 5, 5}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), (Strings{"=75,150", "A=5,5"}));
}

// Even where the cut parts a surrogate pair.
TEST_P(SaveIconsTest, TextsAreCutTo254Units) {
    const std::u16string longText = std::u16string(250, u'x') + u"abcdefghij";
    const std::u16string emojiAtTheCut = std::u16string(253, u'y') + u"😀";
    desktop.items = {{longText, 1, 2}, {std::u16string(254, u'z'), 3, 4}, {emojiAtTheCut, 5, 6}};
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
    desktop.items = {{u"Bleibt", 1, 1}, {u"Geht", 2, 2}};
    SaveIcons(icons);
    registry.keys[kIconsKey].push_back({u"Fremd", 1, {'a', 0}});
    desktop.items.pop_back();
    desktop.items[0].x = 5;
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{"BLEIBT=5,1"});
}

// A value under an icon's name that holds its position in another type is
// no saved position.
TEST_P(SaveIconsTest, AValueOfAnotherTypeUnderAnIconsNameIsReplaced) {
    registry.keys[kIconsKey] = {{u"Eins", kRegDword, {1, 0, 0, 0, 1, 0, 0, 0}}};
    desktop.items = {{u"Eins", 1, 1}};
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
}

// More icons than the 4095-byte block could hold side by side: one record
// and one text area serve them all.
TEST_P(SaveIconsTest, ManyIconsPassThroughTheOneBlock) {
    Strings expected;
    for (int i = 0; i < 30; ++i) {
        desktop.items.push_back({u"Symbol " + std::u16string(200, u'x') + char16_t(u'0' + i % 10) +
                                     char16_t(u'A' + i / 10),
                                 i, -i});
        expected.push_back(Utf8(desktop.items.back().text) + "=" + std::to_string(i) + "," +
                           std::to_string(-i));
    }
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), expected);
}

// Neither command reaches icons without a list view, nor with one whose
// process cannot be opened.
TEST_F(IconCommandTest, WithoutADesktopListViewOrItsProcessNothingIsStoredOrMoved) {
    desktop.items = {{u"Papierkorb", 20, 10}};
    const WindowId progman = desktop.AddWindow("Progman", 0, 0);
    for (const bool withListView : {false, true}) {
        SCOPED_TRACE(withListView ? "list view without process" : "no list view");
        if (withListView) {
            desktop.listView = desktop.AddWindow(
                "SysListView32", desktop.AddWindow("SHELLDLL_DefView", progman, 0), 0);
        }
        registry.keys.clear();
        SaveIcons(icons);
        EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
        save(u"Papierkorb", 1, 1);
        RestoreIcons(icons);
        EXPECT_EQ(iconPositions(), Strings{"Papierkorb=20,10"});
    }
}

// A failure at any copy, at any point of the walk (the read of the last
// icons included: nine icons take two turns through the block's slots),
// reports the system error, leaves nothing open and the layout saved before
// untouched.
TEST_P(SaveIconsTest, AFailedRemoteCallLeavesTheSavedLayoutAndNothingOpen) {
    Strings all;
    for (std::int32_t i = 1; i <= 9; ++i) {
        desktop.items.push_back({u"Symbol " + std::u16string(1, char16_t(u'0' + i)), i, i});
        all.push_back("Symbol " + std::to_string(i) + "=" + std::to_string(i) + "," +
                      std::to_string(i));
    }
    for (const char* operation : {"Open", "Write", "Read"}) {
        for (int skipped = 0; skipped < 3; ++skipped) {
            SCOPED_TRACE(std::string(operation) + " after " + std::to_string(skipped));
            registry.keys.clear();
            save(u"Alt", 7, 7);
            desktop.failures.FailNext(operation, kErrorAccessDenied, skipped);
            const std::string raised = RaisedBy(SaveIcons, icons);
            const bool fired = desktop.failures.Fired(operation);
            EXPECT_EQ(raised, fired ? SystemErrorText(kErrorAccessDenied) : "");
            EXPECT_EQ(savedPositions(), fired ? Strings{"Alt=7,7"} : all);
            desktop.failures.Clear();
            EXPECT_TRUE(desktop.blocks.empty());
            EXPECT_TRUE(desktop.openProcesses.empty());
        }
    }
}

TEST_P(SaveIconsTest, ABlockThatCannotBeReleasedIsReportedWithTheLayoutSaved) {
    desktop.items = {{u"Eins", 1, 1}};
    desktop.failures.FailNext("Close", kErrorAccessDenied);
    const Error error = ErrorThrownBy([&] { SaveIcons(icons); });
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
    EXPECT_TRUE(desktop.openProcesses.empty());
    // The shell keeps the block; nothing more can be done about it.
    EXPECT_EQ(desktop.blocks.size(), 1u);
    desktop.blocks.clear();
}

// The new values are written before the values of icons that are gone are
// removed, so a failure at any step leaves every position saved before, the
// old or the new one, and the failure is reported; a failed enumeration only
// leaves a gone icon's value in place.
TEST_P(SaveIconsTest, RegistryFailuresAreReportedAndTheLayoutIsNeverEmptier) {
    struct Case {
        const char* operation;
        int skipped;
        bool raises;
        Strings saved;
    };
    const Case cases[] = {
        {"CreateKey", 0, true, {"Geht=7,7", "Zwei=9,9"}},
        {"SetValue", 0, true, {"Geht=7,7", "Zwei=9,9"}},
        {"SetValue", 1, true, {"Geht=7,7", "Zwei=9,9", "Eins=1,1"}},
        {"DeleteValue", 0, true, {"Geht=7,7", "Zwei=2,2", "Eins=1,1"}},
        {"Values", 0, false, {"Geht=7,7", "Zwei=2,2", "Eins=1,1"}},
    };
    desktop.items = {{u"Eins", 1, 1}, {u"Zwei", 2, 2}};
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
        registry.failures.Clear();
    }
}

TEST_P(SaveIconsTest, AShellWiderThanTheProgramIsRefusedClearly) {
    desktop.programPointerBits = 32;
    desktop.items = {{u"Eins", 1, 1}};
    if (GetParam() == 32) {
        SaveIcons(icons);
        EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
        return;
    }
    const Error error = ErrorThrownBy([&] { SaveIcons(icons); });
    EXPECT_EQ(error.kind(), ErrorKind::Unsupported);
    EXPECT_STREQ(error.what(),
                 "Die Desktop-Symbole einer 64-Bit-Shell erreicht nur das 64-Bit-Programm");
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
    EXPECT_TRUE(desktop.itemRecords.empty());
}

// However far the save got, a list view that stops answering ends it with the
// box and leaves the layout saved before; the block stays with the shell,
// which may still write into it, until the list view answers again, and the
// next command then releases it and works.
TEST_P(SaveIconsTest, AShellThatStopsAnsweringKeepsTheLayoutAndTheBlockUntilItAnswers) {
    desktop.items = {{u"Eins", 1, 1}, {u"Zwei", 2, 2}};
    for (int answered = 0; answered <= 5; ++answered) {
        SCOPED_TRACE("answered " + std::to_string(answered));
        registry.keys.clear();
        save(u"Alt", 7, 7);
        desktop.failures.FailNext("Answer", 0, answered);
        const std::string raised = RaisedBy(SaveIcons, icons);
        EXPECT_EQ(raised, desktop.failures.Fired("Answer") ? kNoAnswer : "");
        if (raised.empty()) {
            EXPECT_EQ(savedPositions(), (Strings{"Eins=1,1", "Zwei=2,2"}));
            continue;
        }
        EXPECT_EQ(savedPositions(), Strings{"Alt=7,7"});
        EXPECT_EQ(desktop.blocks.size(), 1u);
        EXPECT_EQ(desktop.openProcesses.size(), 1u);
        desktop.failures.Clear();
        desktop.answering = true;
        SaveIcons(icons);
        EXPECT_EQ(savedPositions(), (Strings{"Eins=1,1", "Zwei=2,2"}));
        EXPECT_TRUE(desktop.unanswered.empty());
        EXPECT_TRUE(desktop.blocks.empty());
    }
}

// The next command first asks the list view: while it still does not answer,
// the command ends with the box at once, opening nothing.
TEST_P(SaveIconsTest, WhileTheShellStillDoesNotAnswerEveryCommandEndsWithTheBox) {
    desktop.items = {{u"Eins", 1, 1}};
    desktop.answering = false;
    EXPECT_EQ(RaisedBy(SaveIcons, icons), kNoAnswer);
    EXPECT_EQ(RaisedBy(RestoreIcons, icons), kNoAnswer);
    EXPECT_EQ(RaisedBy(SaveIcons, icons), kNoAnswer);
    EXPECT_EQ(desktop.blocks.size(), 1u);
    EXPECT_EQ(registry.keys.count(kIconsKey), 0u);
    desktop.answering = true;
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
}

// When the program ends: released once the list view answers, kept while it
// does not (the system closes our handle to the shell as the program ends).
TEST_P(SaveIconsTest, AtTheEndThePendingBlockIsReleasedOnlyIfTheShellAnswers) {
    desktop.items = {{u"Eins", 1, 1}};
    ReleaseWhenAnswered(icons);
    desktop.failures.FailNext("Answer", 0, 2);
    EXPECT_EQ(RaisedBy(SaveIcons, icons), kNoAnswer);
    ReleaseWhenAnswered(icons);
    EXPECT_EQ(desktop.blocks.size(), 1u);
    desktop.answering = true;
    ReleaseWhenAnswered(icons);
    EXPECT_TRUE(desktop.blocks.empty());
    EXPECT_TRUE(desktop.unanswered.empty());

    desktop.answering = false;
    EXPECT_EQ(RaisedBy(SaveIcons, icons), kNoAnswer);
    ReleaseWhenAnswered(icons);
    EXPECT_EQ(desktop.blocks.size(), 1u);
    desktop.openProcesses.clear();
    desktop.blocks.clear();
}

// A list view that is gone handles nothing any more: its block is released
// without waiting for an answer that cannot come.
TEST_P(SaveIconsTest, ThePendingBlockOfAShellThatIsGoneIsReleased) {
    desktop.items = {{u"Eins", 1, 1}};
    desktop.answering = false;
    EXPECT_EQ(RaisedBy(SaveIcons, icons), kNoAnswer);
    // The shell's windows are gone, and with them the messages that waited.
    desktop.windows.clear();
    desktop.unanswered.clear();
    desktop.StartShell();
    desktop.answering = true;
    SaveIcons(icons);
    EXPECT_EQ(savedPositions(), Strings{"Eins=1,1"});
}

// The block lies at 0x00A30000 in a 32-bit shell; pszText points behind the
// record and the 8-byte point area.
TEST_F(IconCommandTest, OnA32BitShellTheListViewReceivesExactlyTheFortyByteRecord) {
    desktop.shellPointerBits = 32;
    desktop.StartShell();
    desktop.items = {{u"A", 1, 2}};
    SaveIcons(icons);
    const Bytes expected = {
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // mask..stateMask
        0x30, 0x00, 0xA3, 0x00,                                                 // pszText
        0xFF, 0,    0,    0,                                                    // cchTextMax
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, // iImage, lParam, iIndent
    };
    EXPECT_EQ(desktop.itemRecords, std::vector<Bytes>{expected});
}

} // namespace
} // namespace vevove::fake
