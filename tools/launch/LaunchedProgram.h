// A Windows program started to be measured or photographed: started with
// CreateProcess, watched until its first window shows, and closed again.
#pragma once

#include <windows.h>

#include <string>

class LaunchedProgram {
  public:
    // Starts the program; throws std::runtime_error when it cannot be started.
    explicit LaunchedProgram(const std::string& path);
    // Ends a program that is still running: politely, else by force.
    ~LaunchedProgram();

    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;

    // The first visible top-level window of the program that has an area (the
    // application window of a VCL-style program is visible but empty) and, if
    // a title is given, that title; nullptr when none shows within the time.
    HWND waitForWindow(DWORD timeoutMs, const std::string& title = "") const;

    HANDLE process() const { return info_.hProcess; }

    // Asks the program's windows to close and waits for it to end.
    bool close(DWORD timeoutMs);

  private:
    PROCESS_INFORMATION info_{};
};
