#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vevove {
namespace {

using Kind = CommandLine::Kind;
using Strings = std::vector<std::string>;
using Switches = std::vector<Switch>;

struct Case {
    Strings arguments;
    Kind kind;
    Switches switches;
    std::string invalidArgument;
    bool minimized = false;
    bool background = false;
};

TEST(CommandLineTest, ReadsSwitchesInTheirOrder) {
    const Case cases[] = {
        {{}, Kind::Window, {}, ""},
        {{"/saveicons"}, Kind::Commands, {Switch::SaveIcons}, ""},
        {{"-RestoreIcons"}, Kind::Commands, {Switch::RestoreIcons}, ""},
        {{"/RESTORERESOLUTION"}, Kind::Commands, {Switch::RestoreResolution}, ""},
        {{"/undorestore", "-RestoreEarlier"},
         Kind::Commands,
         {Switch::UndoRestore, Switch::RestoreEarlier},
         ""},
        {{"/restoreresolution", "-restoreicons"},
         Kind::Commands,
         {Switch::RestoreResolution, Switch::RestoreIcons},
         ""},
        {{"/restoreicons", "/restoreicons"},
         Kind::Commands,
         {Switch::RestoreIcons, Switch::RestoreIcons},
         ""},
        {{"/?"}, Kind::Usage, {}, ""},
        {{"-HELP"}, Kind::Usage, {}, ""},
        {{"/saveicons", "/help"}, Kind::Usage, {}, ""},
        {{"/bogus"}, Kind::Invalid, {}, "/bogus"},
        {{"/saveicons", "icons.txt"}, Kind::Invalid, {}, "icons.txt"},
        {{"saveicons"}, Kind::Invalid, {}, "saveicons"},
        {{"/"}, Kind::Invalid, {}, "/"},
        {{""}, Kind::Invalid, {}, ""},
        {{"/save icons"}, Kind::Invalid, {}, "/save icons"},
        {{"//saveicons"}, Kind::Invalid, {}, "//saveicons"},
        // A dotless I or a Kelvin sign in another code page is not an ASCII letter.
        {{"/SAVE\xC4\xB0"
          "CONS"},
         Kind::Invalid,
         {},
         "/SAVE\xC4\xB0"
         "CONS"},
        {{"/? ", "/?"}, Kind::Invalid, {}, "/? "},
        {{"/minimized"}, Kind::Window, {}, "", true},
        {{"-MINIMIZED", "/minimized"}, Kind::Window, {}, "", true},
        {{"/minimized", "/saveicons"}, Kind::Invalid, {}, "/minimized", true},
        {{"/restoreicons", "-Minimized"}, Kind::Invalid, {}, "-Minimized", true},
        {{"/minimized", "/?"}, Kind::Usage, {}, ""},
        {{"/minimize"}, Kind::Invalid, {}, "/minimize"},
        {{"/Background"}, Kind::Window, {}, "", false, true},
        {{"/background", "-minimized"}, Kind::Window, {}, "", true, true},
        {{"/saveicons", "-BACKGROUND"}, Kind::Invalid, {}, "-BACKGROUND", false, true},
        {{"/background", "/help"}, Kind::Usage, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.kind, c.kind);
        EXPECT_EQ(line.switches, c.switches);
        EXPECT_EQ(line.invalidArgument, c.invalidArgument);
        EXPECT_EQ(line.minimized, c.minimized);
        EXPECT_EQ(line.background, c.background);
    }
}

TEST(CommandLineTest, TheUsageNamesEverySwitchInLinesEndedByCrLf) {
    const std::string usage = UsageText();
    for (const char* name : {"/saveicons", "/restoreicons", "/restoreresolution", "/minimized",
                             "/background", "/?", "/help"}) {
        EXPECT_NE(usage.find(name), std::string::npos) << name;
    }
    ASSERT_GE(usage.size(), 2u);
    EXPECT_EQ(usage.substr(usage.size() - 2), "\r\n");
    for (std::size_t at = usage.find('\n'); at != std::string::npos;
         at = usage.find('\n', at + 1)) {
        EXPECT_EQ(usage[at - 1], '\r') << "at " << at;
    }
}

} // namespace
} // namespace vevove
