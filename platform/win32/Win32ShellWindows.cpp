#include "Win32ShellWindows.h"

#include "SystemFailureText.h"

#include <windows.h>

#include <array>

namespace vevove {

namespace {

// A list view that works answers in well under a millisecond, even with
// thousands of icons whose texts the shell supplies on request, and a shell
// busy for a moment still answers within two seconds; a user waits at most
// that long before the box says why. Once the system takes the window for
// hung (no message taken for five seconds), the send gives up at once.
constexpr UINT kAnswerTimeoutMs = 2000;
// Not SMTO_BLOCK: messages that other threads send to ours while we wait are
// handled, as SendMessage does, so that a shell that sends us one while it
// handles ours (a broadcast, say) is not left waiting for us. A shell that
// ends while it handles ours gives no answer.
constexpr UINT kSendFlags = SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT;
// LCMapStringW's sort keys compare equal exactly when CompareStringW finds
// the texts equal, which is how lstrcmpiW, and with it the list view's search
// by text, compares: without regard to case, in the user's locale.
constexpr DWORD kSearchKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

HWND ToWindow(WindowId window) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
}
WindowId FromWindow(HWND window) {
    return static_cast<WindowId>(reinterpret_cast<UINT_PTR>(window));
}
const char* ClassOrNull(const std::string& className) {
    return className.empty() ? nullptr : className.c_str();
}

// The key into `bytes` of `size`; 0 when it does not fit or fails.
int MapToSortKey(const std::u16string& text, BYTE* bytes, int size) {
    return LCMapStringW(LOCALE_USER_DEFAULT, kSearchKeyFlags,
                        reinterpret_cast<const wchar_t*>(text.c_str()), -1,
                        reinterpret_cast<LPWSTR>(bytes), size);
}

} // namespace

WindowId Win32ShellWindows::FindTopLevel(const std::string& className, WindowId after) {
    return FromWindow(FindWindowExA(nullptr, ToWindow(after), ClassOrNull(className), nullptr));
}

// A zero parent is never passed on: the system would take it for the desktop
// and hand back an unrelated top-level window.
WindowId Win32ShellWindows::FindChild(WindowId parent, const std::string& className) {
    if (parent == 0) {
        return 0;
    }
    return FromWindow(FindWindowExA(ToWindow(parent), nullptr, ClassOrNull(className), nullptr));
}

std::uint32_t Win32ShellWindows::ProcessId(WindowId window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(ToWindow(window), &processId);
    return processId;
}

std::optional<std::int64_t> Win32ShellWindows::Send(WindowId window, std::uint32_t message,
                                                    std::uint64_t wParam, std::int64_t lParam) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(ToWindow(window), message, static_cast<WPARAM>(wParam),
                            static_cast<LPARAM>(lParam), kSendFlags, kAnswerTimeoutMs,
                            &answer) == 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(static_cast<LRESULT>(answer));
}

std::int32_t Win32ShellWindows::Style(WindowId window) {
    return GetWindowLongW(ToWindow(window), GWL_STYLE);
}

void Win32ShellWindows::SetStyle(WindowId window, std::int32_t style) {
    SetWindowLongW(ToWindow(window), GWL_STYLE, style);
}

// Most keys fit the buffer on the stack; a longer one is asked for its size.
std::optional<SystemFailure> Win32ShellWindows::SearchKey(const std::u16string& text,
                                                          std::string& key) {
    std::array<BYTE, 1024> bytes;
    int size = MapToSortKey(text, bytes.data(), static_cast<int>(bytes.size()));
    if (size > 0) {
        key.assign(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(size));
        return std::nullopt;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
        (size = MapToSortKey(text, nullptr, 0)) == 0) {
        return LastSystemFailure();
    }
    std::string longKey(static_cast<std::size_t>(size), '\0');
    if (MapToSortKey(text, reinterpret_cast<BYTE*>(longKey.data()), size) == 0) {
        return LastSystemFailure();
    }
    key = std::move(longKey);
    return std::nullopt;
}

} // namespace vevove
