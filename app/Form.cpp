#include "app/Form.h"

#include "app/Application.h"
#include "app/MonitorPlacement.h"
#include "resources/resource.h"

namespace vevove {

namespace {

void RegisterFormClass(HINSTANCE instance, const char* className, WNDPROC windowProc) {
    WNDCLASSEXA windowClass = {};
    if (GetClassInfoExA(instance, className, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
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

bool ModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

} // namespace

Form::Form(Application& application, const char* className, const char* caption,
           const FormPlacement& placement)
    : application_(application), className_(className), caption_(caption), placement_(placement) {}

Form::~Form() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Form::Create(DWORD style) {
    RegisterFormClass(application_.instance(), className_, WindowProc);
    CreateWindowExA(0, className_, caption_, style, placement_.left, placement_.top,
                    placement_.width, placement_.height, application_.handle(), nullptr,
                    application_.instance(), this);
}

void Form::Show(int showCommand) {
    if (!IsWindowVisible(window_)) {
        if (!contentsCreated_) {
            CreateContents();
            contentsCreated_ = true;
        }
        MoveToMonitorOfActiveWindow(window_, centresOnFirstShow_ && !shownBefore_);
        try {
            OnShow();
        } catch (const std::exception& error) {
            application_.HandleException(error);
        }
        if (!shownBefore_) {
            PlaceForFirstShow();
            shownBefore_ = true;
        }
        ShowWindow(window_, showCommand);
    }
    SetForegroundWindow(window_);
    BringWindowToTop(window_);
}

void Form::Close() {
    if (application_.mainForm() == this) {
        DestroyWindow(window_);
    } else {
        ShowWindow(window_, SW_HIDE);
    }
}

bool Form::HandleDialogKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    HWND target = nullptr;
    if (message.wParam == VK_ESCAPE) {
        if (cancelButton_ != nullptr && !ModifierHeld() && IsWindowEnabled(cancelButton_) &&
            IsWindowVisible(cancelButton_)) {
            target = cancelButton_;
        }
    } else if (message.wParam == VK_RETURN) {
        HWND focus = GetFocus();
        target = (focus != nullptr && IsChild(window_, focus) && IsPushButton(focus))
                     ? focus
                     : defaultButton_;
    } else {
        return false;
    }
    if (target != nullptr) {
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), BN_CLICKED),
                     reinterpret_cast<LPARAM>(target));
    }
    // Enter in an edit box clicks nothing, and must not beep either.
    return target != nullptr || message.wParam == VK_RETURN;
}

void Form::AddBitmapButton(int controlId, int bitmapId, int pictureCount) {
    bitmapButtons_.push_back(
        std::make_unique<BitmapButton>(GetDlgItem(window_, controlId), bitmapId, pictureCount));
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
    HWND first = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (first != nullptr) {
        SetFocus(first);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus_ = IsChild(window_, focus) ? focus : lastFocus_;
        } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
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
    case WM_NCDESTROY: {
        HWND window = window_;
        window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_DRAWITEM:
        if (DrawBitmapButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // An owner-drawn button reports a second click in quick succession as a
    // double click; it is a click like any other.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_DOUBLECLICKED &&
        form->FindBitmapButton(reinterpret_cast<HWND>(lParam)) != nullptr) {
        wParam = MAKEWPARAM(LOWORD(wParam), BN_CLICKED);
    }
    try {
        return form->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        form->application_.HandleException(error);
        return 0;
    }
}

} // namespace vevove
