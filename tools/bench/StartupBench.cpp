// Measures how long a program takes from its start to its first visible window,
// against a reference program measured in turn in the same run, and the peak
// working set of each after it has idled for a while. PROGRAM is Vevove: in the
// same turns it is also started with "/background", and timed until its icon is
// in the notification area, and until the notification area's bar shows it.
//
//   StartupBench RUNS PROGRAM REFERENCE IDLE-SECONDS
//
// prints "startup_ms PROGRAM MEDIAN" and "peak_working_set_bytes PROGRAM BYTES"
// for PROGRAM and for REFERENCE, then "startup_background_ms PROGRAM MEDIAN"
// and "startup_background_bar_ms PROGRAM MEDIAN".
#include "LaunchedProgram.h"
#include "NotificationArea.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWindowTimeoutMs = 30000;
// The icon of a program that has ended goes with its windows, well within this.
constexpr DWORD kBarHidesTimeoutMs = 10000;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return Seconds(start, now) * 1000.0;
}

// Each start begins with no icon in the notification area, so that its bar
// shows for that start's icon alone.
void WaitForEmptyNotificationArea() {
    if (!WaitUntilNotificationBarHidden(kBarHidesTimeoutMs)) {
        throw std::runtime_error("the notification area's bar did not hide");
    }
}

double StartupMilliseconds(const std::string& path) {
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    double shown = 0.0;
    {
        LaunchedProgram program(path);
        if (!program.waitForWindow(kWindowTimeoutMs)) {
            throw std::runtime_error(path + " showed no window");
        }
        shown = MillisecondsSince(start);
    }
    WaitForEmptyNotificationArea();
    return shown;
}

struct BackgroundStart {
    double iconMs;
    double barMs;
};

// A background run does not end when asked to close; it is ended at once,
// which a benchmark may do.
BackgroundStart BackgroundStartMilliseconds(const std::string& path) {
    BackgroundStart times{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    LaunchedProgram program(path, "/background");
    if (!WaitForVevoveIcon(program, kWindowTimeoutMs)) {
        throw std::runtime_error(path + " put no icon into the notification area");
    }
    times.iconMs = MillisecondsSince(start);
    if (!WaitUntilNotificationBarShown(kWindowTimeoutMs)) {
        throw std::runtime_error("the notification area's bar did not show");
    }
    times.barMs = MillisecondsSince(start);
    if (!program.terminate(kWindowTimeoutMs)) {
        throw std::runtime_error("cannot end " + path);
    }
    WaitForEmptyNotificationArea();
    return times;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

SIZE_T IdlePeakWorkingSet(const std::string& path, DWORD idleSeconds) {
    LaunchedProgram program(path);
    if (!program.waitForWindow(kWindowTimeoutMs)) {
        throw std::runtime_error(path + " showed no window");
    }
    Sleep(idleSeconds * 1000);
    PROCESS_MEMORY_COUNTERS counters{};
    if (!K32GetProcessMemoryInfo(program.process(), &counters, sizeof counters)) {
        throw std::runtime_error("cannot read the working set of " + path);
    }
    return counters.PeakWorkingSetSize;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: StartupBench RUNS PROGRAM REFERENCE IDLE-SECONDS\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string program = argv[2];
    const std::string reference = argv[3];
    const auto idleSeconds = static_cast<DWORD>(std::atoi(argv[4]));
    if (runs < 1) {
        std::fprintf(stderr, "StartupBench: RUNS must be at least 1\n");
        return 2;
    }
    try {
        WaitForEmptyNotificationArea();
        std::vector<double> programTimes;
        std::vector<double> referenceTimes;
        std::vector<double> iconTimes;
        std::vector<double> barTimes;
        for (int run = 0; run < runs; ++run) {
            programTimes.push_back(StartupMilliseconds(program));
            referenceTimes.push_back(StartupMilliseconds(reference));
            const BackgroundStart background = BackgroundStartMilliseconds(program);
            iconTimes.push_back(background.iconMs);
            barTimes.push_back(background.barMs);
        }
        std::printf("startup_ms %s %.1f\n", program.c_str(), Median(programTimes));
        std::printf("startup_ms %s %.1f\n", reference.c_str(), Median(referenceTimes));
        std::printf("startup_background_ms %s %.1f\n", program.c_str(), Median(iconTimes));
        std::printf("startup_background_bar_ms %s %.1f\n", program.c_str(), Median(barTimes));
        for (const std::string& measured : {program, reference}) {
            std::printf("peak_working_set_bytes %s %zu\n", measured.c_str(),
                        static_cast<std::size_t>(IdlePeakWorkingSet(measured, idleSeconds)));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "StartupBench: %s\n", error.what());
        return 1;
    }
    return 0;
}
