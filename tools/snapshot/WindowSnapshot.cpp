// Starts a program, waits for its window with the given title, copies what the
// screen shows of that window into a BMP file and closes the program again.
//
//   WindowSnapshot PROGRAM TITLE OUTPUT.bmp
//
// Exits with 0 once the file is written.
#include "BmpFile.h"
#include "LaunchedProgram.h"

#include <windows.h>

#include <cstdio>
#include <exception>

namespace {

constexpr DWORD kWindowTimeoutMs = 30000;

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: WindowSnapshot PROGRAM TITLE OUTPUT.bmp\n");
        return 2;
    }
    try {
        LaunchedProgram program(argv[1]);
        HWND window = program.waitForWindow(kWindowTimeoutMs, argv[2]);
        if (!window) {
            std::fprintf(stderr, "WindowSnapshot: no window \"%s\" showed\n", argv[2]);
            return 1;
        }
        if (!PhotographWindow(window, argv[3])) {
            std::fprintf(stderr, "WindowSnapshot: cannot write %s\n", argv[3]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "WindowSnapshot: %s\n", error.what());
        return 1;
    }
    return 0;
}
