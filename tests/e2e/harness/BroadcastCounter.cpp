#include "harness/BroadcastCounter.h"

namespace e2e {

namespace {

constexpr char kClassName[] = "VevoveTestBroadcasts";

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

} // namespace

BroadcastCounter::BroadcastCounter(UINT message) : message_(message) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &BroadcastCounter::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass); // fails harmlessly once registered
    window_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BroadcastCounter::~BroadcastCounter() {
    DestroyWindow(window_);
}

bool BroadcastCounter::PumpUntil(const std::function<bool()>& condition, Milliseconds timeout) {
    return WaitUntil(
        [&] {
            Pump();
            return condition();
        },
        timeout);
}

void BroadcastCounter::PumpFor(Milliseconds time) {
    PumpUntil([] { return false; }, time);
}

LRESULT CALLBACK BroadcastCounter::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* counter = reinterpret_cast<BroadcastCounter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (counter != nullptr && message == counter->message_) {
        ++counter->count_;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace e2e
