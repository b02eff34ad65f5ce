#include "OneWindowProgram.h"

#include "StartDecision.h"
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

// A claim that this start may not open is held by a Vevove of a higher
// integrity level (one run as administrator).
StartFindings::Claim ClaimOutcome(const OwnedHandle& claim, DWORD error) {
    if (claim.valid()) {
        return error == ERROR_ALREADY_EXISTS ? StartFindings::Claim::Held
                                             : StartFindings::Claim::Made;
    }
    return error == ERROR_ACCESS_DENIED ? StartFindings::Claim::Refused
                                        : StartFindings::Claim::Failed;
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
        StartFindings findings;
        findings.claim = ClaimOutcome(claim, GetLastError());
        if (findings.claim != StartFindings::Claim::Made) {
            HWND running = RunningWindowProgram();
            findings.windowFound = running != nullptr;
            findings.answered = findings.windowFound && AskToComeToFront(running);
        }
        findings.timeUp = GetTickCount64() >= deadline;
        switch (DecideStart(findings)) {
        case StartDecision::Claim:
            start.outcome = WindowProgramStart::Outcome::Claimed;
            start.claim = std::move(claim);
            return start;
        case StartDecision::HandOver:
            start.outcome = WindowProgramStart::Outcome::HandedOver;
            return start;
        case StartDecision::NoAnswer:
            return start;
        case StartDecision::LookAgain:
            Sleep(kLookAgainAfter);
            break;
        }
    }
}

// The request to come to the front also comes from starts of a lower
// integrity level than this program's (this one run as administrator).
void MarkAsWindowProgram(HWND applicationWindow) {
    SetPropA(applicationWindow, kWindowProgramMark, applicationWindow);
    ChangeWindowMessageFilterEx(applicationWindow, BringToFrontMessage(), MSGFLT_ALLOW, nullptr);
}

void UnmarkWindowProgram(HWND applicationWindow) {
    RemovePropA(applicationWindow, kWindowProgramMark);
}

// The system gives the same number for the same name, every time.
UINT BringToFrontMessage() {
    return RegisterWindowMessageA("Vevove.BringToFront");
}

} // namespace vevove
