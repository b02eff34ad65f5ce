// A Windows program started to be measured or photographed: started with
// CreateProcess, watched until its first window shows, and closed or ended
// again.
#pragma once

#include <windows.h>

#include <string>

class LaunchedProgram {
  public:
    // Starts the program, with the command-line arguments if any are given;
    // throws std::runtime_error when it cannot be started.
    explicit LaunchedProgram(const std::string& path, const std::string& arguments = "");
    // Ends a program that is still running: politely, else by force.
    ~LaunchedProgram();

    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;

    // The first visible top-level window of the program that has an area (the
    // application window of a VCL-style program is visible but empty) and, if
    // a title is given, that title; nullptr when none shows within the time.
    HWND waitForWindow(DWORD timeoutMs, const std::string& title = "") const;

    // A top-level window of the program of that class, shown or hidden;
    // nullptr while it has none.
    HWND findWindow(const std::string& className) const;

    HANDLE process() const { return info_.hProcess; }
    bool hasEnded() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }

    // Asks the program's windows to close and waits for it to end.
    bool close(DWORD timeoutMs);
    // Ends the program at once, as the system ends one that does not answer,
    // and waits for it to end.
    bool terminate(DWORD timeoutMs);

  private:
    PROCESS_INFORMATION info_{};
};
