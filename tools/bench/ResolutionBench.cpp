// Measures, in a running Vevove, a "Restore resolution" click that requests
// the mode the display already has, against a plain message round trip to
// the same button in the same run; then lets Vevove idle with its timer
// ticking, between the lines "idle_begin" and "idle_end", for the caller to
// read its processor time from the host (Wine's own process times are too
// coarse for this). With "--background", Vevove starts with "/background"
// instead and only idles, once its icon is in the notification area.
//
//   ResolutionBench PROGRAM CLICKS IDLE-SECONDS
//   ResolutionBench --background PROGRAM IDLE-SECONDS
//
// prints "restore_click_ms MEDIAN", "round_trip_ms MEDIAN" (not in the
// background), "idle_begin" and "idle_end".
#include "LaunchedProgram.h"
#include "NotificationArea.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr char kSettingsPath[] = "C:\\ProgramData\\ScrDef.ini";
// How long Vevove runs on after "idle_end", for the caller to read its time.
constexpr DWORD kReadingTimeMs = 2000;
constexpr DWORD kStartTimeoutMs = 30000;

double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double MedianMilliseconds(int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double start = Now();
        action();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The settings of the current resolution, so that a restore asks for the
// mode the display already has.
void WriteCurrentResolution() {
    const std::string text = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "\r\n" +
                             std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "\r\nmanual\r\n";
    HANDLE file = CreateFileA(kSettingsPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    if (!ok) {
        throw std::runtime_error("cannot write the settings file");
    }
}

// Vevove idles between the two lines, and runs on for the caller to read its
// time after the second.
void Idle(DWORD idleSeconds) {
    std::printf("idle_begin\n");
    std::fflush(stdout);
    Sleep(idleSeconds * 1000);
    std::printf("idle_end\n");
    std::fflush(stdout);
    Sleep(kReadingTimeMs);
}

void MeasureWindowRun(const std::string& path, int clicks, DWORD idleSeconds) {
    LaunchedProgram program(path);
    HWND main = program.waitForWindow(kStartTimeoutMs, "Vevove");
    HWND restore = main ? FindWindowExA(main, nullptr, "Button", "Restore resolution") : nullptr;
    if (restore == nullptr) {
        throw std::runtime_error("no \"Restore resolution\" button");
    }
    // Sent, not posted: the call returns once the click handler is done.
    const double click = MedianMilliseconds(clicks, [&] { SendMessageA(restore, BM_CLICK, 0, 0); });
    const double roundTrip =
        MedianMilliseconds(clicks, [&] { SendMessageA(restore, WM_GETTEXTLENGTH, 0, 0); });
    std::printf("restore_click_ms %.3f\n", click);
    std::printf("round_trip_ms %.3f\n", roundTrip);
    Idle(idleSeconds);
    program.close(10000);
}

// Closing only sends a background run back to the background: it is ended.
void MeasureBackgroundRun(const std::string& path, DWORD idleSeconds) {
    LaunchedProgram program(path, "/background");
    if (!WaitForVevoveIcon(program, kStartTimeoutMs)) {
        throw std::runtime_error("no icon in the notification area");
    }
    Idle(idleSeconds);
    program.terminate(10000);
}

DWORD IdleSeconds(const char* text) {
    return static_cast<DWORD>(std::max(1, std::atoi(text)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ResolutionBench PROGRAM CLICKS IDLE-SECONDS\n"
                             "       ResolutionBench --background PROGRAM IDLE-SECONDS\n");
        return 2;
    }
    const bool background = std::string(argv[1]) == "--background";
    try {
        WriteCurrentResolution();
        if (background) {
            MeasureBackgroundRun(argv[2], IdleSeconds(argv[3]));
        } else {
            MeasureWindowRun(argv[1], std::max(1, std::atoi(argv[2])), IdleSeconds(argv[3]));
        }
        DeleteFileA(kSettingsPath);
    } catch (const std::exception& error) {
        DeleteFileA(kSettingsPath);
        std::fprintf(stderr, "ResolutionBench: %s\n", error.what());
        return 1;
    }
    return 0;
}
