#include "OneWindowProgram.h"

#include "WindowClasses.h"

namespace vevove {

namespace {

// In the session's own namespace: each user of a shared machine, and each
// remote session, has a Vevove of its own.
constexpr const char* kClaimName = "Local\\Vevove.WindowProgram";
constexpr const char* kWindowProgramMark = "Vevove.WindowProgram";
constexpr ULONGLONG kLongestWaitForTheFirst = 5000; // milliseconds
constexpr DWORD kLookAgainAfter = 50;
constexpr UINT kAnswerTime = 2000;

BOOL CALLBACK FindMarkedWindow(HWND window, LPARAM found) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, kApplicationClass) == 0 &&
        GetPropA(window, kWindowProgramMark) != nullptr) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND RunningWindowProgram() {
    HWND found = nullptr;
    EnumWindows(FindMarkedWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// This start came from the user, so it may pass the right to take the
// foreground on to the window that it asks to come forward.
bool AskToComeToFront(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    AllowSetForegroundWindow(processId);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, BringToFrontMessage(), 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               kAnswerTime, &answer) != 0;
}

} // namespace

WindowProgramStart ClaimOrHandOver() {
    const ULONGLONG deadline = GetTickCount64() + kLongestWaitForTheFirst;
    WindowProgramStart start;
    for (;;) {
        OwnedHandle claim(CreateMutexA(nullptr, FALSE, kClaimName));
        if (claim.valid() && GetLastError() != ERROR_ALREADY_EXISTS) {
            start.outcome = WindowProgramStart::Outcome::Claimed;
            start.claim = std::move(claim);
            return start;
        }
        if (HWND running = RunningWindowProgram();
            running != nullptr && AskToComeToFront(running)) {
            start.outcome = WindowProgramStart::Outcome::HandedOver;
            return start;
        }
        if (GetTickCount64() >= deadline) {
            return start;
        }
        Sleep(kLookAgainAfter);
    }
}

void MarkAsWindowProgram(HWND applicationWindow) {
    SetPropA(applicationWindow, kWindowProgramMark, applicationWindow);
}

void UnmarkWindowProgram(HWND applicationWindow) {
    RemovePropA(applicationWindow, kWindowProgramMark);
}

UINT BringToFrontMessage() {
    static const UINT message = RegisterWindowMessageA("Vevove.BringToFront");
    return message;
}

} // namespace vevove
