#include "HelpWindow.h"

#include "FormLayout.h"
#include "WindowClasses.h"
#include "resource.h"

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
    {IDC_FIRST_RUN_TEXT, "Static",
     "When you run Vevove for the first time save your screen resolution by clicking the button "
     "'Save resolution'.",
     kText, 0, 47, 40, 520, 17},
    {IDC_AUTO_TEXT, "Static",
     "Check 'Auto' if the tool should restore the resolution every time it is started if "
     "necessary.",
     kText, 0, 47, 55, 411, 17},
    {IDC_START_UP_TEXT, "Static",
     "If you run Vevove on Windows start-up the screen resolution will be corrected "
     "automatically at system start-up if necessary.",
     kText, 0, 47, 105, 596, 17},
    {IDC_MANUAL_TEXT, "Static",
     "If 'Auto' is unchecked you have to click the button 'Restore resolution' to restore the "
     "screen resolution.",
     kText, 0, 47, 71, 484, 17},
    {IDC_ENABLED_TEXT, "Static",
     "The button is only enabled if the current resolution differs from the saved resolution.",
     kText, 0, 47, 88, 394, 17},
    {IDC_HELP_OK, "Button", "OK", kOkButton, 0, 184, 205, 350, 30},
    {IDC_RESOLUTION_HEADING, "Static", "Screen resolution", kText, 0, 47, 22, 103, 17},
    {IDC_ICONS_HEADING, "Static", "Icons", kText, 0, 47, 131, 35, 17},
    {IDC_SAVE_ICONS_TEXT, "Static",
     "Use the button 'Save Icons'  to save your desktop icons positions", kFixedText, 0, 47, 148,
     472, 15},
    {IDC_RESTORE_ICONS_TEXT, "Static",
     "Use the button 'Restore Icons' to restore the icon positions Sometimes you have to click "
     "the button several times to restore all icon positions.",
     kText, 0, 47, 165, 658, 13},
};

const int kBoldHeadings[] = {IDC_RESOLUTION_HEADING, IDC_ICONS_HEADING};

constexpr FormPlacement kStoredPlacement = {440, 295, 764, 304};

} // namespace

HelpWindow::HelpWindow(Application& application)
    : Form(application, kHelpWindowClass, "Info", kStoredPlacement) {
    Create(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
}

// Built at the first showing, so that the help text costs the program's start
// nothing.
void HelpWindow::CreateContents() {
    font_ = CreateScaledFont("MS Sans Serif", 11);
    boldFont_ = CreateScaledFont("MS Sans Serif", 11, FW_BOLD);
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    CreateControls(handle(), kControls, static_cast<int>(std::size(kControls)), font_.get());
    ScaleFormToText(handle(), font_.get());
    for (int id : kBoldHeadings) {
        HWND heading = GetDlgItem(handle(), id);
        char text[64] = {};
        GetWindowTextA(heading, text, sizeof text);
        const SIZE size = MeasureText(boldFont_.get(), text);
        SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
        SetWindowPos(heading, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    defaultButton_ = GetDlgItem(handle(), IDC_HELP_OK);
    AddBitmapButton(IDC_HELP_OK, IDB_OK, 2);
}

// The first control in tab order is the first line of text: it shows no
// focus mark, and Enter goes to the default button.
void HelpWindow::FocusFirstControl() {
    SetFocus(GetDlgItem(handle(), IDC_FIRST_RUN_TEXT));
}

// Its texts are in the system's window text colour, on the button face.
COLORREF HelpWindow::TextColourOf(HWND) const {
    return GetSysColor(COLOR_WINDOWTEXT);
}

void HelpWindow::OnCommand(int controlId, int code, HWND) {
    if (controlId == IDC_HELP_OK && code == BN_CLICKED) {
        Close();
    }
}

} // namespace vevove
