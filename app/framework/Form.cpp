#include "Form.h"

#include "Application.h"
#include "Placement.h"
#include "ReadableColours.h"
#include "resource.h"

namespace vevove {

namespace {

void RegisterFormClass(const char* className, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    if (GetClassInfoExA(instance, className, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEVOVE));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

bool IsPushButton(HWND control) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0) {
        return false;
    }
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

BOOL CALLBACK TellOfNewColours(HWND control, LPARAM) {
    SendMessageA(control, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

bool ModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

ScreenRect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

ScreenRect MonitorArea(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return FromRect(info.rcMonitor);
}

// Several monitors: a hidden form about to be shown while the program's active
// window lies on another monitor moves to that monitor first. `toBeCentred`:
// the form is still to be centred at its first showing.
void MoveToMonitorOfActiveWindow(HWND window, bool toBeCentred) {
    HWND active = GetActiveWindow();
    if (active == nullptr || active == window) {
        return;
    }
    HMONITOR target = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
    HMONITOR current = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (target == current) {
        return;
    }
    RECT bounds;
    GetWindowRect(window, &bounds);
    const ScreenRect moved =
        MovedToMonitor(FromRect(bounds), MonitorArea(current), MonitorArea(target), toBeCentred);
    SetWindowPos(window, nullptr, moved.left, moved.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

Form::Form(Application& application, const char* className, const char* caption,
           const FormPlacement& placement)
    : application_(application), className_(className), caption_(caption), placement_(placement) {}

void Form::Create(DWORD style) {
    RegisterFormClass(className_, Procedure);
    CreateHandle(0, className_, caption_, style, placement_.left, placement_.top, placement_.width,
                 placement_.height, application_.handle());
}

void Form::Show(int showCommand) {
    if (!IsWindowVisible(handle())) {
        if (!contentsCreated_) {
            CreateContents();
            contentsCreated_ = true;
        }
        MoveToMonitorOfActiveWindow(handle(), centresOnFirstShow_ && !shownBefore_);
        PrepareWhileHidden();
        if (!shownBefore_) {
            PlaceForFirstShow();
            shownBefore_ = true;
        }
        ShowWindow(handle(), showCommand);
    }
    SetForegroundWindow(handle());
    BringWindowToTop(handle());
}

void Form::PrepareWhileHidden() {
    try {
        AboutToShow();
    } catch (const std::exception& error) {
        application_.HandleException(error);
    }
}

void Form::Close() {
    if (application_.mainForm() == this && application_.runsInBackground()) {
        application_.HideToBackground();
    } else if (application_.mainForm() == this) {
        application_.Quit();
    } else {
        ShowWindow(handle(), SW_HIDE);
    }
}

bool Form::HandleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    HWND target = nullptr;
    if (message.wParam == VK_ESCAPE && application_.mainForm() == this &&
        application_.runsInBackground() && !ModifierHeld()) {
        Close();
        return true;
    }
    if (message.wParam == VK_ESCAPE) {
        if (cancelButton_ != nullptr && !ModifierHeld() && IsWindowEnabled(cancelButton_) &&
            IsWindowVisible(cancelButton_)) {
            target = cancelButton_;
        }
    } else if (message.wParam == VK_RETURN) {
        HWND focus = GetFocus();
        target = (focus != nullptr && IsChild(handle(), focus) && IsPushButton(focus))
                     ? focus
                     : defaultButton_;
    } else {
        return false;
    }
    if (target != nullptr) {
        SendMessageA(handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), BN_CLICKED),
                     reinterpret_cast<LPARAM>(target));
    }
    // Enter in an edit box clicks nothing, and must not beep either.
    return target != nullptr || message.wParam == VK_RETURN;
}

void Form::AddBitmapButton(int controlId, int bitmapId, int pictureCount) {
    bitmapButtons_.push_back(
        std::make_unique<BitmapButton>(GetDlgItem(handle(), controlId), bitmapId, pictureCount));
}

const BitmapButton* Form::FindBitmapButton(HWND control) const {
    for (const auto& button : bitmapButtons_) {
        if (button->handle() == control) {
            return button.get();
        }
    }
    return nullptr;
}

bool Form::DrawBitmapButton(const DRAWITEMSTRUCT& item) const {
    const BitmapButton* button = FindBitmapButton(item.hwndItem);
    if (button == nullptr) {
        return false;
    }
    button->Draw(item, item.hwndItem == defaultButton_);
    return true;
}

void Form::FocusFirstControl() {
    HWND first = GetNextDlgTabItem(handle(), nullptr, FALSE);
    if (first != nullptr) {
        SetFocus(first);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        auto* control = reinterpret_cast<HWND>(lParam);
        int code = HIWORD(wParam);
        // An owner-drawn button reports a second click in quick succession
        // as a double click; it is a click like any other.
        if (code == BN_DOUBLECLICKED && FindBitmapButton(control) != nullptr) {
            code = BN_CLICKED;
        }
        OnCommand(LOWORD(wParam), code, control);
        return 0;
    }
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus_ = IsChild(handle(), focus) ? focus : lastFocus_;
            return 0;
        }
        application_.FormActivated(*this);
        if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
        } else {
            FocusFirstControl();
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && application_.mainForm() == this) {
            application_.Minimize();
            return 0;
        }
        break;
    case WM_DESTROY:
        if (application_.mainForm() == this) {
            PostQuitMessage(0);
        }
        break;
    case WM_DRAWITEM:
        if (DrawBitmapButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ReadableOnButtonFace(TextColourOf(reinterpret_cast<HWND>(lParam))));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SYSCOLORCHANGE:
        RepaintInNewColours();
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

// The controls learn of the new colours too (common controls keep their own),
// and the form and all of them are painted again in them.
void Form::RepaintInNewColours() {
    EnumChildWindows(handle(), TellOfNewColours, 0);
    RedrawWindow(handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

COLORREF Form::TextColourOf(HWND) const {
    return GetSysColor(COLOR_BTNTEXT);
}

void Form::HandleException(const std::exception& error) {
    application_.HandleException(error);
}

void Form::OnCommand(int, int, HWND) {}

} // namespace vevove
