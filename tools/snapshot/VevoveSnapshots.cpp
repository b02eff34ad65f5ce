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
// Time for the program to paint a window and its controls after showing it.
constexpr DWORD kPaintMs = 1000;

HBITMAP CopyFromScreen(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void Photograph(HWND window, const std::string& path) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPaintMs, &ignored);
    Sleep(kPaintMs);
    HBITMAP bitmap = CopyFromScreen(window);
    const bool written = WriteBmpFile(bitmap, path);
    DeleteObject(bitmap);
    if (!written) {
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
