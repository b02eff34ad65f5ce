// Vevove.exe under test, started from the folder of the test program as a
// shortcut would start it: with a show command, and under its own file name or
// as a copy under another one.
#pragma once

#include "harness/Wait.h"

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class VevoveProcess {
  public:
    struct Options {
        WORD showCommand = SW_SHOWNORMAL;
        // Empty: Vevove.exe itself; otherwise a copy of it under this file
        // name, in a folder of its own.
        std::string fileName;
        // After the program's quoted path, as a shortcut's target gives them.
        std::string arguments{};
    };

    // Starts the program; throws std::runtime_error when it cannot.
    explicit VevoveProcess(const Options& options);
    // A program still running at the end of a test is ended by force.
    ~VevoveProcess();

    VevoveProcess(const VevoveProcess&) = delete;
    VevoveProcess& operator=(const VevoveProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }

    // The exit code once the program has ended; nothing if it still runs when
    // the time is up.
    std::optional<DWORD> waitForExit(Milliseconds timeout = kTimeout) const;

  private:
    PROCESS_INFORMATION info_{};
};

// The folder of the copies, made where it is missing; ends in a backslash.
std::string CopyFolder();

} // namespace e2e
