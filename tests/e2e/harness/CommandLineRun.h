// Vevove.exe started with arguments as a script starts it, with its standard
// output and error going into pipes (or with none), watched for windows until
// it ends.
#pragma once

#include "harness/Wait.h"

#include <windows.h>

#include <optional>
#include <set>
#include <string>

namespace e2e {

struct CommandLineRun {
    // Nothing when it still ran when the time was up; it is then ended by force.
    std::optional<DWORD> exitCode;
    std::string output;
    std::string error;
    // The classes of the top-level windows the program had at any look, and
    // whether one of them was visible.
    std::set<std::string> windowClasses;
    bool windowVisible = false;
};

struct CommandLineOptions {
    // False: the program gets no standard handles, as from the Task Scheduler;
    // with no console to attach to either, it writes nothing.
    bool pipes = true;
    Milliseconds timeout = kTimeout;
};

// Runs "Vevove.exe ARGUMENTS" from the folder of the test program and waits
// for it to end, looking at its windows all the while.
CommandLineRun RunVevove(const std::string& arguments, const CommandLineOptions& options = {});

} // namespace e2e
