#include "MoreSoftwareWindow.h"

#include "Application.h"
#include "ComApartment.h"
#include "FormLayout.h"
#include "Placement.h"
#include "WindowClasses.h"
#include "resource.h"

#include <shellapi.h>

namespace vevove {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
constexpr FormPlacement kStoredPlacement = {453, 168, 540, 533};
constexpr int kClientWidth = 534;
constexpr int kClientHeight = 504;

constexpr DWORD kOkButtonStyle = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
// Tab order 0: the only control that takes the focus.
constexpr ControlLayout kOkButton = {
    IDC_MORE_SOFTWARE_OK, "Button", "OK", kOkButtonStyle, 0, 171, 449, 201, 32};

COLORREF ColourOf(LabelColour colour) {
    switch (colour) {
    case LabelColour::Purple:
        return RGB(128, 0, 128);
    case LabelColour::Navy:
        return RGB(0, 0, 128);
    case LabelColour::Black:
        return RGB(0, 0, 0);
    case LabelColour::WindowText:
        break;
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

} // namespace

MoreSoftwareWindow::MoreSoftwareWindow(Application& application)
    : Form(application, kMoreSoftwareWindowClass, "FormFreeware", kStoredPlacement) {
    Create(kStyle);
    SetWindowLongPtrA(handle(), GWL_EXSTYLE, kExStyle);
    SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    centresOnFirstShow_ = true;
}

// Built at the first showing: realising its five fonts and laying out its
// labels would otherwise hold up the start of the program.
void MoreSoftwareWindow::CreateContents() {
    font_ = CreateScaledFont("Tahoma", 11);
    headingFont_ = CreateScaledFont("Tahoma", 13, FW_BOLD, true);
    productNameFont_ = CreateScaledFont("Tahoma", 15, FW_NORMAL, true);
    descriptionFont_ = CreateScaledFont("Tahoma", 12);
    toolNameFont_ = CreateScaledFont("Tahoma", 13, FW_BOLD);
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const int textHeight = MeasureTextHeight(font_.get());
    SetClientSize(textHeight);
    CreateControls(handle(), &kOkButton, 1, font_.get());
    CreateLabels(textHeight);
    defaultButton_ = GetDlgItem(handle(), IDC_MORE_SOFTWARE_OK);
    AddBitmapButton(IDC_MORE_SOFTWARE_OK, IDB_OK, 2);
}

// The client size grows with the text height, as the controls' places do.
void MoreSoftwareWindow::SetClientSize(int textHeight) {
    RECT outer = {0, 0, ScaleToText(kClientWidth, textHeight),
                  ScaleToText(kClientHeight, textHeight)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    SetWindowPos(handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoreSoftwareWindow::CreateLabels(int textHeight) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(handle(), GWLP_HINSTANCE));
    for (const MoreSoftwareLabel& label : kMoreSoftwareLabels) {
        HFONT font = FontOf(label.font);
        SIZE size = MeasureText(font, label.text);
        if (label.fixedSize) {
            size = {ScaleToText(label.width, textHeight), ScaleToText(label.height, textHeight)};
        }
        const DWORD notify = label.link != Link::None ? SS_NOTIFY : 0;
        HWND control = CreateWindowExA(
            0, "Static", label.text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | notify,
            ScaleToText(label.left, textHeight), ScaleToText(label.top, textHeight), size.cx,
            size.cy, handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(label.id)), instance,
            nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

HFONT MoreSoftwareWindow::FontOf(LabelFont font) const {
    switch (font) {
    case LabelFont::Heading:
        return headingFont_.get();
    case LabelFont::ProductName:
        return productNameFont_.get();
    case LabelFont::Description:
        return descriptionFont_.get();
    case LabelFont::ToolName:
        break;
    }
    return toolNameFont_.get();
}

const MoreSoftwareLabel* MoreSoftwareWindow::LabelOf(HWND control) const {
    if (control == nullptr || GetParent(control) != handle()) {
        return nullptr;
    }
    const int id = GetDlgCtrlID(control);
    for (const MoreSoftwareLabel& label : kMoreSoftwareLabels) {
        if (label.id == id) {
            return &label;
        }
    }
    return nullptr;
}

// Centred on the main window, outer sizes.
void MoreSoftwareWindow::PlaceForFirstShow() {
    RECT main;
    GetWindowRect(application_.mainForm()->handle(), &main);
    RECT own;
    GetWindowRect(handle(), &own);
    const ScreenRect placed =
        CentredOn({main.left, main.top, main.right - main.left, main.bottom - main.top},
                  own.right - own.left, own.bottom - own.top);
    SetWindowPos(handle(), nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF MoreSoftwareWindow::TextColourOf(HWND control) const {
    const MoreSoftwareLabel* label = LabelOf(control);
    return label != nullptr ? ColourOf(label->colour) : Form::TextColourOf(control);
}

// The shell's answer is not examined: when no browser starts, the program
// says nothing. The shell may hand the address to an extension of its own,
// which needs a COM apartment; the window thread enters one for the call
// alone, so that the program's start pays nothing for it.
void MoreSoftwareWindow::OpenLink(const char* address) {
    const ComApartment apartment;
    ShellExecuteA(handle(), "open", address, nullptr, nullptr, SW_SHOW);
}

// The OK button hides the window; a click on a link label opens its page.
void MoreSoftwareWindow::OnCommand(int controlId, int code, HWND control) {
    if (controlId == IDC_MORE_SOFTWARE_OK && code == BN_CLICKED) {
        Close();
        return;
    }
    const MoreSoftwareLabel* label = LabelOf(control);
    if (label == nullptr || code != STN_CLICKED) {
        return;
    }
    if (label->link == Link::ShopPage) {
        OpenLink(kShopPage);
    } else if (label->link == Link::ProductPage) {
        OpenLink(kProductPage);
    }
}

LRESULT MoreSoftwareWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR: {
        const MoreSoftwareLabel* label = LabelOf(reinterpret_cast<HWND>(wParam));
        if (label != nullptr && label->link != Link::None) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649))); // IDC_HAND
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

} // namespace vevove
