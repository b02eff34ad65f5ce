#include "Application.h"

#include "ErrorBox.h"
#include "Form.h"
#include "WindowClasses.h"
#include "resource.h"

namespace vevove {

namespace {

void RegisterApplicationClass(WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEVOVE));
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassExA(&windowClass);
}

void RemoveFromSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

} // namespace

// A visible window of no size: it owns the taskbar entry, and the forms,
// being owned by it, have none of their own.
Application::Application(const std::string& title) {
    RegisterApplicationClass(Procedure);
    CreateHandle(0, kApplicationClass, title.c_str(),
                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                 GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                 nullptr);
    RemoveFromSystemMenu(handle());
    ShowWindow(handle(), SW_SHOWNOACTIVATE);
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
    ShowWindow(handle(), SW_MINIMIZE);
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
            const LRESULT result = DefaultHandling(message, wParam, lParam);
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
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

} // namespace vevove
