#include "CommandLine.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace vevove {

namespace {

struct KnownSwitch {
    const char* name;
    Switch command;
};

constexpr KnownSwitch kSwitches[] = {
    {"saveicons", Switch::SaveIcons},
    {"restoreicons", Switch::RestoreIcons},
    {"undorestore", Switch::UndoRestore},
    {"restoreearlier", Switch::RestoreEarlier},
    {"restoreresolution", Switch::RestoreResolution},
};

// ASCII only: the switches are plain English words, and a byte of another
// script must not turn into one of their letters.
std::string AsciiLower(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

// The switch's name without its "/" or "-", or nothing for an argument that
// is no switch.
std::optional<std::string> SwitchNameOf(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) {
        return std::nullopt;
    }
    return AsciiLower(argument.substr(1));
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.empty()) {
        return line;
    }
    line.kind = CommandLine::Kind::Commands;
    bool usage = false;
    std::optional<std::string> windowSwitch;
    bool minimized = false;
    bool background = false;
    for (const std::string& argument : arguments) {
        const std::optional<std::string> name = SwitchNameOf(argument);
        if (name && (*name == "?" || *name == "help")) {
            usage = true;
            continue;
        }
        if (name == "minimized" || name == "background") {
            minimized = minimized || name == "minimized";
            background = background || name == "background";
            windowSwitch = argument;
            continue;
        }
        const auto known =
            std::find_if(std::begin(kSwitches), std::end(kSwitches),
                         [&](const KnownSwitch& entry) { return name == entry.name; });
        if (known == std::end(kSwitches)) {
            line.kind = CommandLine::Kind::Invalid;
            line.invalidArgument = argument;
            line.switches.clear();
            return line;
        }
        line.switches.push_back(known->command);
    }
    if (usage) {
        line.kind = CommandLine::Kind::Usage;
        line.switches.clear();
    } else if (windowSwitch) {
        line.minimized = minimized;
        line.background = background;
        line.kind = line.switches.empty() ? CommandLine::Kind::Window : CommandLine::Kind::Invalid;
        line.invalidArgument = line.switches.empty() ? "" : *windowSwitch;
        line.switches.clear();
    }
    return line;
}

std::string SwitchName(Switch command) {
    const auto known =
        std::find_if(std::begin(kSwitches), std::end(kSwitches),
                     [&](const KnownSwitch& entry) { return entry.command == command; });
    return std::string("/") + known->name;
}

std::string UsageText() {
    return "Usage: Vevove.exe [/saveicons] [/restoreicons] [/undorestore] [/restoreearlier]\r\n"
           "                  [/restoreresolution] [/?]\r\n"
           "       Vevove.exe [/minimized | /background]\r\n"
           "\r\n"
           "Without a switch Vevove opens its window; with /minimized it starts "
           "with only\r\n"
           "its taskbar entry; with /background only its icon in the notification "
           "area,\r\n"
           "as \"Start with Windows\" starts it. With the other switches\r\n"
           "it runs them in the order given, without a window, and ends:\r\n"
           "\r\n"
           "  /saveicons           save the desktop icons' positions, as \"Save "
           "Icons\" does\r\n"
           "  /restoreicons        put the desktop icons back, as \"Restore "
           "Icons\" does\r\n"
           "  /undorestore         put the desktop icons back where they stood "
           "before\r\n"
           "                       the last restore, as \"Undo last restore\" "
           "does\r\n"
           "  /restoreearlier      put back the layout saved before the newest "
           "one\r\n"
           "                       of the display setup in force\r\n"
           "  /restoreresolution   switch the display to the resolution saved "
           "in\r\n"
           "                       ScrDef.ini, as \"Restore resolution\" does, "
           "whether\r\n"
           "                       \"Auto\" is checked or not\r\n"
           "  /? or /help          show this text\r\n"
           "\r\n"
           "Switches may start with - instead of /, in any case. A switch that "
           "fails\r\n"
           "does not stop the switches after it.\r\n"
           "Exit code: 0 done, 1 a switch failed, 2 an unknown switch or "
           "argument.\r\n";
}

} // namespace vevove
