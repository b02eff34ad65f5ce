// The automatic icon restore: it waits for the desktop to settle, for no
// longer than its deadline, restores once per burst of events, fails
// quietly; and its option, kept outside the layout's key.
#include "AutomaticRestore.h"
#include "ErrorThrownBy.h"
#include "IconCommandTest.h"

namespace vevove::fake {
namespace {

constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";

class AutomaticRestoreTest : public IconCommandTest {
  protected:
    AutomaticRestoreTest() {
        save(u"Papierkorb", 10, 20);
        save(u"Notizen", 10, 90);
        desktop.icons = {{u"Papierkorb", 700, 20}, {u"Notizen", 800, 90}};
    }

    // Looks at the desktop at `now`; true while a restore is still due.
    bool lookAt(TickCount now) { return ContinueAutomaticRestore(restore, icons, now); }
    bool restored() const {
        return iconPositions() == Strings{"Papierkorb=10,20", "Notizen=10,90"};
    }

    AutomaticRestore restore;
};

// Each case: the events, the looks, and the desktop moving an icon of its
// own accord before some looks; the look at which the layout comes back.
TEST_F(AutomaticRestoreTest, RestoresOnceTheDesktopHasSettledOrAtTheDeadline) {
    struct Look {
        TickCount at;
        bool eventBefore = false;  // the desktop is rebuilt again just before
        bool desktopMoves = false; // an icon moves by itself just before
    };
    struct Case {
        const char* name;
        std::vector<Look> looks;
        std::size_t restoredAt; // index of the look that restores
    };
    const Case cases[] = {
        {"still at once", {{1000}, {2000}}, 1},
        {"moving, then still", {{1000}, {2000, false, true}, {3000}}, 2},
        {"never still: the deadline",
         {{1000, false, true},
          {2000, false, true},
          {3000, false, true},
          {4000, false, true},
          {5000, false, true},
          {6000, false, true},
          {7000, false, true},
          {8000, false, true}},
         7},
        {"a second event makes it look again", {{1000}, {2000, true}, {3000}}, 2},
        {"a burst keeps the first deadline",
         {{1000},
          {2000, true},
          {3000, true},
          {4000, true},
          {5000, true},
          {6000, true},
          {7000, true},
          {8000, true}},
         7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.icons = {{u"Papierkorb", 700, 20}, {u"Notizen", 800, 90}};
        restore = {};
        NoteDesktopRebuilt(restore, 0);
        for (std::size_t at = 0; at < c.looks.size(); ++at) {
            const Look& look = c.looks[at];
            if (look.eventBefore) {
                NoteDesktopRebuilt(restore, look.at - 1);
            }
            if (look.desktopMoves) {
                desktop.icons[1].x += 5;
            }
            const bool due = lookAt(look.at);
            EXPECT_EQ(due, at != c.restoredAt) << "look " << at;
            EXPECT_EQ(restored(), at == c.restoredAt) << "look " << at;
            if (!due) {
                break;
            }
        }
    }
}

// The window handles messages while it looks at the desktop: an event that
// comes then makes that look the old desktop's, not the first of the new one.
TEST_F(AutomaticRestoreTest, ALookDuringWhichTheDesktopIsRebuiltAgainDoesNotCount) {
    NoteDesktopRebuilt(restore, 0);
    EXPECT_TRUE(lookAt(1000));
    desktop.whileOpening = [this] {
        desktop.whileOpening = nullptr;
        NoteDesktopRebuilt(restore, 1999);
    };
    EXPECT_TRUE(lookAt(2000));
    EXPECT_FALSE(restored());
    EXPECT_TRUE(lookAt(3000));
    EXPECT_FALSE(lookAt(4000));
    EXPECT_TRUE(restored());
}

TEST_F(AutomaticRestoreTest, NothingIsLookedAtOrMovedWhileNoRestoreIsDue) {
    desktop.failures.FailAlways("Open", kErrorAccessDenied);
    EXPECT_FALSE(lookAt(1000));
    EXPECT_FALSE(desktop.failures.Fired("Open"));
    EXPECT_FALSE(restored());
}

// A desktop without icons (a shell still starting) has not settled; when the
// deadline comes without it, the restore fails without a word, and the next
// event brings the layout back.
TEST_F(AutomaticRestoreTest, AFailedRestoreSaysNothingAndTheNextEventTriesAgain) {
    struct Case {
        const char* name;
        void (*breakDesktop)(FakeDesktopIcons&, FakeIconRegistry&);
        void (*mendDesktop)(FakeDesktopIcons&, FakeIconRegistry&);
        const char* operation; // the failure that must have fired, if any
    };
    const Case cases[] = {
        {"no desktop", [](FakeDesktopIcons& d, FakeIconRegistry&) { d.present = false; },
         [](FakeDesktopIcons& d, FakeIconRegistry&) { d.present = true; }, nullptr},
        {"not answering", [](FakeDesktopIcons& d, FakeIconRegistry&) { d.answering = false; },
         [](FakeDesktopIcons& d, FakeIconRegistry&) { d.answering = true; }, nullptr},
        {"registry refuses",
         [](FakeDesktopIcons&, FakeIconRegistry& r) {
             r.failures.FailAlways("OpenKey", kErrorAccessDenied);
         },
         [](FakeDesktopIcons&, FakeIconRegistry& r) { r.failures.Clear(); }, "OpenKey"},
        {"desktop refuses the move",
         [](FakeDesktopIcons& d, FakeIconRegistry&) {
             d.failures.FailAlways("Move", kErrorAccessDenied);
         },
         [](FakeDesktopIcons& d, FakeIconRegistry&) { d.failures.Clear(); }, "Move"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.icons = {{u"Papierkorb", 700, 20}, {u"Notizen", 800, 90}};
        restore = {};
        c.breakDesktop(desktop, registry);
        NoteDesktopRebuilt(restore, 0);
        TickCount now = 0;
        bool due = true;
        while (due && now <= kLongestWait) {
            now += kSettleInterval;
            EXPECT_NO_THROW(due = lookAt(now));
        }
        EXPECT_FALSE(due);
        if (c.operation != nullptr) {
            EXPECT_TRUE(desktop.failures.Fired(c.operation) ||
                        registry.failures.Fired(c.operation));
        }
        EXPECT_FALSE(restored());

        c.mendDesktop(desktop, registry);
        NoteDesktopRebuilt(restore, now);
        EXPECT_TRUE(lookAt(now + kSettleInterval));
        EXPECT_FALSE(lookAt(now + 2 * kSettleInterval));
        EXPECT_TRUE(restored());
    }
}

TEST_F(AutomaticRestoreTest, TheOptionIsOffUntilSwitchedOnAndKeptOutsideTheLayout) {
    EXPECT_FALSE(RestoresIconsAutomatically(registry));
    SetRestoresIconsAutomatically(registry, true);
    EXPECT_TRUE(RestoresIconsAutomatically(registry));
    EXPECT_EQ(savedPositions(), (Strings{"Papierkorb=10,20", "Notizen=10,90"}));
    ASSERT_EQ(registry.keys.count(kOptionsKey), 1u);
    ASSERT_EQ(registry.keys[kOptionsKey].size(), 1u);
    EXPECT_EQ(registry.keys[kOptionsKey][0].name, u"RestoreIconsAutomatically");
    EXPECT_EQ(registry.keys[kOptionsKey][0].type, kRegDword);
    EXPECT_EQ(registry.keys[kOptionsKey][0].data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    SetRestoresIconsAutomatically(registry, false);
    EXPECT_FALSE(RestoresIconsAutomatically(registry));

    // A value of another kind under the name is no "on".
    registry.keys[kOptionsKey] = {{u"restoreiconsautomatically", kRegSz, {'1', 0}}};
    EXPECT_FALSE(RestoresIconsAutomatically(registry));
    registry.keys[kOptionsKey] = {{u"RESTOREICONSAUTOMATICALLY", kRegDword, {0, 1, 0, 0}}};
    EXPECT_TRUE(RestoresIconsAutomatically(registry));

    registry.failures.FailNext("SetValue", kErrorAccessDenied);
    EXPECT_STREQ(ErrorThrownBy([&] { SetRestoresIconsAutomatically(registry, false); }).what(),
                 SystemErrorText(kErrorAccessDenied).c_str());
    EXPECT_TRUE(registry.failures.Fired("SetValue"));
    EXPECT_TRUE(RestoresIconsAutomatically(registry));
}

} // namespace
} // namespace vevove::fake
