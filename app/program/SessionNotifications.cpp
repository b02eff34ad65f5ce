#include "SessionNotifications.h"

namespace vevove {

namespace {

constexpr DWORD kThisSession = 0; // NOTIFY_FOR_THIS_SESSION

using Register = BOOL(WINAPI*)(HWND, DWORD);
using Unregister = BOOL(WINAPI*)(HWND);

template <typename Function> Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

SessionNotifications::SessionNotifications(HWND window)
    : library_(LoadLibraryExW(L"wtsapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    const auto registerWindow =
        library_ != nullptr ? Find<Register>(library_, "WTSRegisterSessionNotification") : nullptr;
    if (registerWindow != nullptr && registerWindow(window, kThisSession)) {
        window_ = window;
    }
}

SessionNotifications::~SessionNotifications() {
    if (window_ != nullptr) {
        if (const auto unregister =
                Find<Unregister>(library_, "WTSUnRegisterSessionNotification")) {
            unregister(window_);
        }
    }
    if (library_ != nullptr) {
        FreeLibrary(library_);
    }
}

} // namespace vevove
