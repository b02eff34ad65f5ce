#include "ProgramWindow.h"

namespace vevove {

ProgramWindow::~ProgramWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void ProgramWindow::CreateHandle(DWORD exStyle, const char* className, const char* caption,
                                 DWORD style, int left, int top, int width, int height,
                                 HWND owner) {
    CreateWindowExA(exStyle, className, caption, style, left, top, width, height, owner, nullptr,
                    GetModuleHandleA(nullptr), this);
}

// The object travels in the creation parameters and is kept in the window's
// user data from WM_NCCREATE to WM_NCDESTROY; messages before and after go
// to the default handling.
LRESULT CALLBACK ProgramWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<ProgramWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* target = reinterpret_cast<ProgramWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (target == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        target->window_ = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return target->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        target->HandleException(error);
        return 0;
    }
}

} // namespace vevove
