// Starts Vevove, opens its help and more-software windows with the buttons of
// the main window, and photographs each of the three windows into a BMP file.
//
//   VevoveSnapshots VEVOVE.EXE FOLDER
//
// Writes FOLDER\main-window.bmp, FOLDER\help-window.bmp and
// FOLDER\more-software-window.bmp; exits with 0 once all three are written.
#include "BmpFile.h"
#include "LaunchedProgram.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

constexpr DWORD kWindowTimeoutMs = 30000;

void Photograph(HWND window, const std::string& path) {
    if (!PhotographWindow(window, path)) {
        throw std::runtime_error("cannot write " + path);
    }
}

HWND Shown(const LaunchedProgram& program, const char* title) {
    HWND window = program.waitForWindow(kWindowTimeoutMs, title);
    if (!window) {
        throw std::runtime_error(std::string("no window \"") + title + "\" showed");
    }
    return window;
}

// The window's button of that caption.
HWND Button(HWND window, const char* caption) {
    HWND button = FindWindowExA(window, nullptr, "Button", caption);
    if (!button) {
        throw std::runtime_error(std::string("no button \"") + caption + "\"");
    }
    return button;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: VevoveSnapshots VEVOVE.EXE FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[2]) + "\\";
    try {
        // The pointer out of the way, so that no button shows it hovering.
        SetCursorPos(0, 0);
        LaunchedProgram program(argv[1]);
        HWND mainWindow = Shown(program, "Vevove");
        Photograph(mainWindow, folder + "main-window.bmp");

        PostMessageA(Button(mainWindow, "Help"), BM_CLICK, 0, 0);
        HWND help = Shown(program, "Info");
        Photograph(help, folder + "help-window.bmp");
        PostMessageA(Button(help, "OK"), BM_CLICK, 0, 0);

        PostMessageA(Button(mainWindow, ""), BM_CLICK, 0, 0);
        HWND moreSoftware = Shown(program, "FormFreeware");
        Photograph(moreSoftware, folder + "more-software-window.bmp");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "VevoveSnapshots: %s\n", error.what());
        return 1;
    }
    return 0;
}
