#include "app/Unit2.h"

#include "app/FormLayout.h"
#include "resources/resource.h"

#include <iterator>

namespace vevove {

namespace {

// Sized to its one-line text.
constexpr DWORD kText = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
// Of a fixed size, its text on one line.
constexpr DWORD kFixedText = WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
constexpr DWORD kOkButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

// In tab order; none of the texts is a tab stop.
const ControlLayout kControls[] = {
    {IDC_STATICTEXT2, "Static",
     "When you run Vevove for the first time save your screen resolution by clicking the button "
     "'Save resolution'.",
     kText, 0, 47, 40, 520, 17},
    {IDC_STATICTEXT3, "Static",
     "Check 'Auto' if the tool should restore the resolution every time it is started if "
     "necessary.",
     kText, 0, 47, 55, 411, 17},
    {IDC_STATICTEXT5, "Static",
     "If you run Vevove on Windows start-up the screen resolution will be corrected "
     "automatically at system start-up if necessary.",
     kText, 0, 47, 105, 596, 17},
    {IDC_STATICTEXT6, "Static",
     "If 'Auto' is unchecked you have to click the button 'Restore resolution' to restore the "
     "screen resolution.",
     kText, 0, 47, 71, 484, 17},
    {IDC_STATICTEXT7, "Static",
     "The button is only enabled if the current resolution differs from the saved resolution.",
     kText, 0, 47, 88, 394, 17},
    {IDC_FORM2_BITBTN1, "Button", "OK", kOkButton, 0, 184, 205, 350, 30},
    {IDC_STATICTEXT8, "Static", "Screen resolution", kText, 0, 47, 22, 103, 17},
    {IDC_STATICTEXT1, "Static", "Icons", kText, 0, 47, 131, 35, 17},
    {IDC_STATICTEXT9, "Static", "Use the button 'Save Icons'  to save your desktop icons positions",
     kFixedText, 0, 47, 148, 472, 15},
    {IDC_FORM2_LABEL1, "Static",
     "Use the button 'Restore Icons' to restore the icon positions Sometimes you have to click "
     "the button several times to restore all icon positions.",
     kText, 0, 47, 165, 658, 13},
};

const int kBoldHeadings[] = {IDC_STATICTEXT8, IDC_STATICTEXT1};

constexpr FormPlacement kStoredPlacement = {440, 295, 764, 304};

} // namespace

TForm2::TForm2(Application& application) : Form(application, "TForm2", "Info", kStoredPlacement) {
    Create(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
}

// Built at the first showing, so that the help text costs the program's start
// nothing.
void TForm2::CreateContents() {
    font_ = CreateScaledFont("MS Sans Serif", 11);
    boldFont_ = CreateScaledFont("MS Sans Serif", 11, FW_BOLD);
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    CreateControls(handle(), kControls, static_cast<int>(std::size(kControls)), font_);
    ScaleFormToText(handle(), font_);
    for (int id : kBoldHeadings) {
        HWND heading = GetDlgItem(handle(), id);
        char text[64] = {};
        GetWindowTextA(heading, text, sizeof text);
        const SIZE size = MeasureText(boldFont_, text);
        SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
        SetWindowPos(heading, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    defaultButton_ = GetDlgItem(handle(), IDC_FORM2_BITBTN1);
    AddBitmapButton(IDC_FORM2_BITBTN1, IDB_OK, 2);
}

TForm2::~TForm2() {
    DeleteObject(boldFont_);
    DeleteObject(font_);
}

// The first control in tab order is StaticText2: it shows no focus mark, and
// Enter goes to the default button.
void TForm2::FocusFirstControl() {
    SetFocus(GetDlgItem(handle(), IDC_STATICTEXT2));
}

void TForm2::BitBtn1Click() {
    Close();
}

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        LOWORD(wParam) == IDC_FORM2_BITBTN1) {
        BitBtn1Click();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

} // namespace vevove
