// The automatic icon restore: it waits for the desktop to settle, restores
// only a desktop with icons, tries a failed restore again, places icons that
// come late, gives up quietly; and its option, kept outside the layout's key.
#include "AutomaticRestore.h"
#include "ErrorThrownBy.h"
#include "IconCommandTest.h"

#include <functional>

namespace vevove::fake {
namespace {

constexpr const char* kOptionsKey = "Software\\VUD\\Vevove";

using Kind = AutomaticStep::Kind;

DesktopLook Icons(std::vector<DesktopIcon> icons, bool ready = true) {
    return {true, ready, std::move(icons)};
}

const std::vector<DesktopIcon> kTwo = {{u"Papierkorb", {}, 10, 20}, {u"Notizen", {}, 10, 90}};

// The program around the rules: it asks what to do and does it at once, the
// desktop given as what a look sees at a moment; events come at their times.
struct Program {
    AutomaticRestore restore;
    std::function<DesktopLook(TickCount)> desktop;
    std::function<bool(TickCount)> restoreWorks = [](TickCount) { return true; };
    std::vector<TickCount> events;
    // "restore at T", "late icons at T", "nothing at T": what it did.
    Strings done;

    void Run(TickCount limit) {
        std::size_t nextEvent = 0;
        TickCount now = events.front();
        while (now <= limit) {
            while (nextEvent < events.size() && events[nextEvent] <= now) {
                restore.DesktopRebuilt(events[nextEvent++]);
            }
            const AutomaticStep step = restore.Next(now);
            switch (step.kind) {
            case Kind::Nothing:
                done.push_back("nothing at " + std::to_string(now));
                if (nextEvent == events.size()) {
                    return;
                }
                now = events[nextEvent];
                break;
            case Kind::Wait:
                now = nextEvent < events.size() ? std::min(step.until, events[nextEvent])
                                                : step.until;
                break;
            case Kind::Look:
                restore.Looked(now, desktop(now));
                break;
            case Kind::Restore:
            case Kind::PlaceLateIcons: {
                const bool works = restoreWorks(now);
                std::set<std::u16string> placed = restore.placed();
                for (const DesktopIcon& icon : desktop(now).icons) {
                    placed.insert(icon.label);
                }
                done.push_back(std::string(step.kind == Kind::Restore ? "restore" : "late icons") +
                               (works ? "" : " failed") + " at " + std::to_string(now));
                restore.Restored(now, works, placed);
                break;
            }
            }
        }
    }
};

TEST(AutomaticRestoreRulesTest, RestoresOnceSettledOrAtTheDeadlineAndGivesUpQuietly) {
    struct Case {
        const char* name;
        std::vector<TickCount> events;
        std::function<DesktopLook(TickCount)> desktop;
        std::function<bool(TickCount)> restoreWorks;
        Strings done;
    };
    const auto still = [](TickCount) { return Icons(kTwo); };
    const auto works = [](TickCount) { return true; };
    const Case cases[] = {
        {"still at once", {0}, still, works, {"restore at 2000", "nothing at 32000"}},
        {"moving, then still",
         {0},
         [](TickCount now) {
             std::vector<DesktopIcon> icons = kTwo;
             icons[1].x = now < 3000 ? static_cast<std::int32_t>(now) : 5;
             return Icons(icons);
         },
         works,
         {"restore at 4000", "nothing at 34000"}},
        {"never still: the deadline restores what is there",
         {0},
         [](TickCount now) {
             std::vector<DesktopIcon> icons = kTwo;
             icons[1].x = static_cast<std::int32_t>(now);
             return Icons(icons);
         },
         works,
         {"restore at 8000", "nothing at 38000"}},
        {"no icons: keeps looking past the deadline, then restores the first icons seen",
         {0},
         [](TickCount now) { return now < 20000 ? Icons({}) : Icons(kTwo); },
         works,
         {"restore at 20000", "nothing at 50000"}},
        {"a shell still starting has not settled",
         {0},
         [](TickCount now) { return Icons(kTwo, now >= 12000); },
         works,
         {"restore at 12000", "nothing at 42000"}},
        {"no answer for a minute: given up",
         {0},
         [](TickCount) { return DesktopLook{}; },
         works,
         {"nothing at 60000"}},
        {"a burst settles anew but keeps the first deadline",
         {0, 1500, 2500, 3500, 4500, 5500, 6500, 7500},
         still,
         works,
         {"restore at 8500", "nothing at 38500"}},
        {"a failed restore is tried at the next looks, three times in all",
         {0},
         still,
         [](TickCount) { return false; },
         {"restore failed at 2000", "restore failed at 3000", "restore failed at 4000",
          "nothing at 4000"}},
        {"a restore that fails once succeeds at the next look",
         {0},
         still,
         [](TickCount now) { return now > 2000; },
         {"restore failed at 2000", "restore at 3000", "nothing at 33000"}},
        {"icons that come late are placed too",
         {0},
         [](TickCount now) {
             std::vector<DesktopIcon> icons = kTwo;
             if (now >= 10000) {
                 icons.push_back({u"Spät", {}, 5, 5});
             }
             return Icons(icons);
         },
         works,
         {"restore at 2000", "late icons at 10000", "nothing at 32000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program program;
        program.events = c.events;
        program.desktop = c.desktop;
        program.restoreWorks = c.restoreWorks;
        program.Run(100000);
        EXPECT_EQ(program.done, c.done);
    }
}

// A look during which the desktop was rebuilt again is the old desktop's: it
// does not count for the new event, however like the next one it looks.
TEST(AutomaticRestoreRulesTest, ALookDuringANewEventDoesNotCount) {
    AutomaticRestore restore;
    restore.DesktopRebuilt(0);
    ASSERT_EQ(restore.Next(1000).kind, Kind::Look);
    restore.Looked(1000, Icons(kTwo));
    ASSERT_EQ(restore.Next(2000).kind, Kind::Look);
    restore.DesktopRebuilt(2500);
    restore.Looked(2600, Icons(kTwo));
    EXPECT_EQ(restore.Next(2600).kind, Kind::Wait);
    ASSERT_EQ(restore.Next(3500).kind, Kind::Look);
    restore.Looked(3500, Icons(kTwo));
    ASSERT_EQ(restore.Next(4500).kind, Kind::Look);
    restore.Looked(4500, Icons(kTwo));
    EXPECT_EQ(restore.Next(4500).kind, Kind::Restore);
    EXPECT_NE(restore.TakeTrace().find("settled at 2 icons"), std::string::npos);
}

// A user's restore stands for the one due, also while a look is under way;
// the next event makes one due again.
TEST(AutomaticRestoreRulesTest, AUsersRestoreReplacesTheOneDue) {
    AutomaticRestore restore;
    restore.DesktopRebuilt(0);
    ASSERT_EQ(restore.Next(1000).kind, Kind::Look);
    restore.UserRestored();
    restore.Looked(1100, Icons(kTwo));
    EXPECT_EQ(restore.Next(2000).kind, Kind::Nothing);
    EXPECT_EQ(restore.Next(60000).kind, Kind::Nothing);
    restore.DesktopRebuilt(70000);
    EXPECT_EQ(restore.Next(71000).kind, Kind::Look);
}

TEST(AutomaticRestoreRulesTest, NothingIsDueWithoutAnEvent) {
    AutomaticRestore restore;
    EXPECT_EQ(restore.Next(0).kind, Kind::Nothing);
    restore.Looked(10, Icons(kTwo));
    restore.Restored(20, true, {});
    EXPECT_EQ(restore.Next(1000).kind, Kind::Nothing);
    EXPECT_EQ(restore.TakeTrace(), "");
}

class AutomaticRestoreTest : public IconCommandTest {
  protected:
    AutomaticRestoreTest() {
        save(u"Papierkorb", 10, 20);
        save(u"Notizen", 10, 90);
    }
};

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
