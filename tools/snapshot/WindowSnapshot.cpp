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
// Time for the program to paint its window and controls after showing it.
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
        DWORD_PTR ignored;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPaintMs, &ignored);
        Sleep(kPaintMs);
        HBITMAP bitmap = CopyFromScreen(window);
        const bool written = WriteBmpFile(bitmap, argv[3]);
        DeleteObject(bitmap);
        if (!written) {
            std::fprintf(stderr, "WindowSnapshot: cannot write %s\n", argv[3]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "WindowSnapshot: %s\n", error.what());
        return 1;
    }
    return 0;
}
