#include "harness/Mouse.h"

#include <chrono>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

constexpr int kMoveAttempts = 5;
constexpr std::chrono::milliseconds kSettleTime{100};

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    if (SendInput(1, &input, sizeof input) != 1) {
        throw std::runtime_error("cannot send mouse input");
    }
}

// A screen coordinate in the 0 to 65535 scale of absolute mouse input,
// rounded up so that scaling it back gives the coordinate itself.
LONG Absolute(LONG coordinate, int screenSize) {
    return static_cast<LONG>((coordinate * 65536LL + screenSize - 1) / screenSize);
}

void MoveAbsolute(LONG x, LONG y) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Absolute(x, GetSystemMetrics(SM_CXSCREEN)),
              Absolute(y, GetSystemMetrics(SM_CYSCREEN)));
}

} // namespace

POINT Middle(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Moved as the mouse itself moves it, in two steps, so that the window under
// the pointer notices the motion and sets its cursor. The X server may still
// report where its pointer was before, so the move is repeated until the
// pointer stays where it was sent.
void MoveMouseTo(POINT point) {
    for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
        MoveAbsolute(point.x - 1, point.y);
        MoveAbsolute(point.x, point.y);
        std::this_thread::sleep_for(kSettleTime);
        POINT now{};
        GetCursorPos(&now);
        if (now.x == point.x && now.y == point.y) {
            return;
        }
    }
    throw std::runtime_error("the mouse does not stay where it was moved");
}

void ClickAt(POINT point) {
    MoveMouseTo(point);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void RightClickAt(POINT point) {
    MoveMouseTo(point);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
}

HCURSOR CurrentCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) {
        throw std::runtime_error("cannot read the cursor");
    }
    return info.hCursor;
}

} // namespace e2e
