#include "app/Application.h"

#include "app/ErrorBox.h"
#include "app/Form.h"
#include "resources/resource.h"

namespace vevove {

namespace {

const char* const kApplicationClass = "TApplication";

void RemoveFromSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

} // namespace

Application::Application(const std::string& title) : instance_(GetModuleHandleA(nullptr)) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VEVOVE));
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassExA(&windowClass);

    // A visible window of no size: it owns the taskbar entry, and the forms,
    // being owned by it, have none of their own.
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2;
    window_ = CreateWindowExA(0, kApplicationClass, title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              left, top, 0, 0, nullptr, nullptr, instance_, this);
    RemoveFromSystemMenu(window_);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

Application::~Application() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void Application::AddForm(Form& form) {
    forms_.push_back(&form);
}

void Application::Run(int showCommand) {
    if (showCommand == SW_SHOWMINNOACTIVE) {
        mainFormMinimized_ = true;
        Minimize();
    } else {
        mainForm()->Show(showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOW);
    }
    for (;;) {
        try {
            MSG message;
            const BOOL result = GetMessageA(&message, nullptr, 0, 0);
            if (result == 0 || result == -1) {
                return;
            }
            if (!PreTranslateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }
}

// Keys go to the form that holds the focus: Esc and Enter click its cancel or
// default button, Tab and the arrows move between its controls.
bool Application::PreTranslateMessage(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (Form* form : forms_) {
        if (form->handle() == root) {
            return form->HandleDialogKey(message) || IsDialogMessageA(root, &message);
        }
    }
    return false;
}

void Application::Minimize() {
    ShowWindow(window_, SW_MINIMIZE);
}

// A start minimized shows the main form only when the user first restores
// the taskbar entry.
void Application::Restore() {
    if (mainFormMinimized_) {
        mainFormMinimized_ = false;
        mainForm()->Show();
    }
}

void Application::HandleException(const std::exception& error) {
    HWND capture = GetCapture();
    if (capture != nullptr) {
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
    }
    ShowErrorBox(*this, error);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            const LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
            Restore();
            return result;
        }
        break;
    case WM_CLOSE:
        if (mainForm() != nullptr) {
            mainForm()->Close();
        }
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_NCDESTROY: {
        HWND window = window_;
        window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* application =
            static_cast<Application*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        application->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(application));
    }
    auto* application = reinterpret_cast<Application*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (application == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return application->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        application->HandleException(error);
        return 0;
    }
}

} // namespace vevove
