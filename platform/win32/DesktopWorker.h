// The program's one worker at the desktop: a thread of its own, in its own
// COM apartment, that runs the icon work one job after another, so that no
// window ever waits for the shell. A job reports back on its own (a posted
// message). Whoever waits for jobs asks now and then for those that have
// waited about two seconds without an answer of the shell, and gives them up:
// a job given up that still runs goes on to its end, as the shell answers,
// but from then on its reads and moves say that the desktop does not answer;
// one that still waits does not run.
#pragma once

#include "Clock.h"
#include "DesktopIcons.h"
#include "Display.h"
#include "NameMatching.h"
#include "OwnedHandle.h"
#include "UserRegistry.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vevove {

// What a job works with, on the worker's thread alone.
struct WorkerDesktop {
    DesktopIcons& icons;
    NameMatching& names;
    UserRegistry& registry;
    Display& display;
    Clock& clock;
};

using JobId = std::uint64_t;
using DesktopJob = std::function<void(WorkerDesktop& desktop, JobId id)>;

class DesktopWorker {
  public:
    // Throws the system error when the thread cannot start.
    DesktopWorker();
    // Finishes, waiting at most kLongestExitWait.
    ~DesktopWorker();
    DesktopWorker(const DesktopWorker&) = delete;
    DesktopWorker& operator=(const DesktopWorker&) = delete;

    // Runs `job` after the jobs posted before it.
    JobId Post(DesktopJob job);
    // The jobs, running or waiting, that have waited about two seconds
    // without an answer of the shell: given up from now on.
    std::vector<JobId> GiveUpOverdue();
    // Runs the jobs posted, then lets go of the desktop (automatic
    // arrangement put back, the block and the shell's objects released), and
    // ends; waits at most `milliseconds` for it. True once it has ended.
    bool Finish(DWORD milliseconds);

    // What the worker's thread shares with the program's.
    struct Shared;

  private:
    static DWORD WINAPI Main(void* parameter);

    std::shared_ptr<Shared> shared_;
    OwnedHandle thread_{nullptr};
};

// Long enough for a shell busy for a moment to answer the last calls, short
// enough that a program that ends does not seem to hang.
constexpr DWORD kLongestExitWait = 5000;

} // namespace vevove
