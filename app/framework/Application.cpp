#include "Application.h"

#include "ErrorBox.h"
#include "Form.h"
#include "OneWindowProgram.h"
#include "WindowClasses.h"
#include "resource.h"

namespace vevove {

namespace {

// Posted to the application's window when it has become active.
constexpr UINT kPassActivation = WM_APP;

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

bool IsMinimizedStart(int showCommand) {
    return showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_SHOWMINIMIZED ||
           showCommand == SW_MINIMIZE;
}

} // namespace

// A window of no size, visible unless the run is in the background: it owns
// the taskbar entry, and the forms, being owned by it, have none of their own.
Application::Application(const std::string& title) {
    RegisterApplicationClass(Procedure);
    CreateHandle(0, kApplicationClass, title.c_str(),
                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                 GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                 nullptr);
    RemoveFromSystemMenu(handle());
}

void Application::AddForm(Form& form) {
    forms_.push_back(&form);
}

// A minimized start runs the main form's show handler at once, so that the
// settings apply as at any other start; the form itself shows only when the
// user restores the program.
void Application::Run(int showCommand) {
    ShowWindow(handle(), SW_SHOWNOACTIVATE);
    if (IsMinimizedStart(showCommand)) {
        mainFormMinimized_ = true;
        Minimize();
        mainForm()->PrepareWhileHidden();
    } else {
        mainForm()->Show(showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOW);
    }
    RunMessageLoop();
}

void Application::RunInBackground() {
    background_ = true;
    mainForm()->PrepareWhileHidden();
    RunMessageLoop();
}

void Application::RunMessageLoop() {
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

// The forms are hidden by hand: Wine does not hide the windows that a
// minimized window owns. Hiding the active form may activate another one
// for a moment; the one the user had is the one restoring returns to.
void Application::Minimize() {
    Form* const active = lastActiveForm_;
    ShowOwnedPopups(handle(), FALSE);
    ShowWindow(handle(), SW_MINIMIZE);
    lastActiveForm_ = active;
}

// Out of the background or the taskbar, and to the front: what a later start
// of the program and the notification area's icon ask for.
void Application::ShowMainForm() {
    if (!IsWindowVisible(handle())) {
        ShowWindow(handle(), SW_SHOWNOACTIVATE);
    }
    if (IsIconic(handle())) {
        SendMessageA(handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    mainFormMinimized_ = false;
    mainForm()->Show();
}

void Application::HideToBackground() {
    for (Form* form : forms_) {
        ShowWindow(form->handle(), SW_HIDE);
    }
    ShowWindow(handle(), SW_HIDE);
}

void Application::Quit() {
    DestroyWindow(mainForm()->handle());
}

// Restoring shows the forms again (a start minimized shows the main form
// only now, the first time) and gives the keyboard back to the form the user
// had, at once.
void Application::Restore() {
    ShowOwnedPopups(handle(), TRUE);
    if (mainFormMinimized_) {
        mainFormMinimized_ = false;
        mainForm()->Show();
    }
    PassActivationToForm();
}

// The application's window takes no keys: when it becomes active (restored
// from the taskbar, chosen with Alt+Tab, or left active by a closed message
// box), the form last active takes over, and with it the control that had the
// focus.
void Application::PassActivationToForm() {
    if (GetActiveWindow() != handle() || IsIconic(handle())) {
        return;
    }
    Form* form = lastActiveForm_;
    if (form == nullptr || !IsWindowVisible(form->handle())) {
        form = mainForm();
    }
    if (form != nullptr && IsWindowVisible(form->handle()) && IsWindowEnabled(form->handle())) {
        SetActiveWindow(form->handle());
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
    if (message == BringToFrontMessage()) {
        ShowMainForm();
        return TRUE;
    }
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            Minimize();
            return 0;
        }
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            Restore();
            return result;
        }
        break;
    case WM_ACTIVATE:
        // Passed on once the activation is complete.
        if (LOWORD(wParam) != WA_INACTIVE) {
            PostMessageA(handle(), kPassActivation, 0, 0);
        }
        break;
    case kPassActivation:
        PassActivationToForm();
        return 0;
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
