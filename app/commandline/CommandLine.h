// The switches for unattended use: Vevove.exe /restoreresolution /restoreicons
// runs those commands in that order without a window.
#pragma once

#include <string>
#include <vector>

namespace vevove {

enum class Switch { SaveIcons, RestoreIcons, UndoRestore, RestoreEarlier, RestoreResolution };

struct CommandLine {
    enum class Kind {
        Window,   // no argument, or only "/minimized" or "/background": the program
        Commands, // switches to run in the order given
        Usage,    // "/?" or "/help"
        Invalid,  // an unknown switch or an argument that is not one
    };
    Kind kind = Kind::Window;
    // "/minimized": the window program starts with only its taskbar entry;
    // "/background": with only its icon in the notification area. An invalid
    // line names either when it stood beside a command.
    bool minimized = false;
    bool background = false;
    std::vector<Switch> switches;
    std::string invalidArgument;
};

// Reads the arguments after the program's name. A switch starts with "/" or
// "-" and is named without regard to case; the first argument that is no
// switch makes the whole line invalid, and a request for the usage wins over
// the commands beside it. "/minimized" and "/background" start the window
// program, so each stands alone: beside a command it makes the line invalid.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The switch as the usage writes it: "/saveicons".
std::string SwitchName(Switch command);

// The usage, in lines ended by CR LF.
std::string UsageText();

// Exit codes of a command-line run.
constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitInvalidArguments = 2;

} // namespace vevove
