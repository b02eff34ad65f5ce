// The system-wide debug output, as DebugView reads it: every line that a
// program writes with OutputDebugString while this monitor runs. Only one
// monitor can run at a time, and a program sees it only if it was running
// before the program wrote its first line.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace e2e {

class DebugOutput {
  public:
    // Throws std::runtime_error when another monitor runs.
    DebugOutput();
    ~DebugOutput();
    DebugOutput(const DebugOutput&) = delete;
    DebugOutput& operator=(const DebugOutput&) = delete;

    // Every line so far, of process `processId`, each ended by "\n".
    std::string LinesOf(DWORD processId) const;

  private:
    void Read();

    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    HANDLE bufferReady_ = nullptr;
    HANDLE dataReady_ = nullptr;
    const char* view_ = nullptr;
    mutable std::mutex lock_;
    std::string lines_; // "pid<TAB>text" per line
    std::atomic<bool> ending_{false};
    std::thread reader_;
};

} // namespace e2e
