// A run from the command line: each switch does what its button does, without
// a window, and the run says on the caller's output what came of it.
#pragma once

#include "CommandLine.h"
#include "Display.h"
#include "IconCommands.h"
#include "SettingsStorage.h"
#include "UserRegistry.h"

#include <string>

namespace vevove {

// Where a run writes: texts in the ANSI code page, in lines ended by CR LF.
class CommandOutput {
  public:
    virtual ~CommandOutput() = default;

    // The standard output: the usage asked for, what each switch did.
    virtual void WriteOutput(const std::string& text) = 0;
    // The standard error: what failed, and the usage after a wrong argument.
    virtual void WriteError(const std::string& text) = 0;
};

// What the switches work on: the settings file and the display for
// /restoreresolution, the desktop for the icon switches.
struct CommandTargets {
    SettingsStorage& storage;
    Display& display;
    UserRegistry& registry;
    DesktopWork& desktop;
};

// Runs every switch of the line in its order, also after one has failed, and
// returns the exit code: kExitSuccess, kExitFailed when a switch failed, or
// kExitInvalidArguments (with the usage on the error output) for a wrong
// argument. The usage asked for is written and succeeds.
int RunCommandLine(const CommandLine& line, CommandTargets& targets, CommandOutput& output);

} // namespace vevove
