#include "app/MainWindow.h"

#include "app/Errors.h"
#include "app/FormLayout.h"
#include "app/Placement.h"
#include "resources/resource.h"

#include <iterator>

namespace vevove {

namespace {

constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kMemo = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kBitmapButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;

// In tab order; the labels take no focus. Memo1 stays hidden: it is the
// line buffer of the settings file and never shown.
const ControlLayout kControls[] = {
    {IDC_EDIT1, "Edit", "", kEdit, WS_EX_CLIENTEDGE, 75, 45, 50, 21},
    {IDC_EDIT2, "Edit", "", kEdit, WS_EX_CLIENTEDGE, 145, 46, 50, 21},
    {IDC_MEMO1, "Edit", "", kMemo, WS_EX_CLIENTEDGE, 64, 133, 137, 33},
    {IDC_BUTTON1, "Button", "Restore resolution", kButton, 0, 60, 80, 150, 30},
    {IDC_BUTTON2, "Button", "Save resolution", kButton, 0, 60, 111, 150, 30},
    {IDC_CHECKBOX1, "Button", "Auto", kCheckBox, 0, 127, 17, 57, 17},
    {IDC_BUTTON4, "Button", "Save Icons", kButton, 0, 60, 142, 150, 30},
    {IDC_BUTTON5, "Button", "Restore Icons", kButton, 0, 60, 173, 150, 30},
    {IDC_BITBTN2, "Button", "Quit", kBitmapButton, 0, 60, 235, 150, 30},
    {IDC_BITBTN1, "Button", "Help", kBitmapButton, 0, 60, 204, 150, 30},
    {IDC_BITBTN3, "Button", "", kBitmapButton, 0, 224, 8, 30, 30},
    {IDC_LABEL2, "Static", "Width", kLabel, 0, 39, 49, 28, 13},
    {IDC_LABEL1, "Static", "X", kLabel, 0, 131, 49, 7, 13},
    {IDC_LABEL3, "Static", "Height", kLabel, 0, 202, 49, 31, 13},
};

constexpr FormPlacement kStoredPlacement = {650, 132, 285, 330};
constexpr UINT kTimerInterval = 5000;

WindowHandle Control(HWND window, int id) {
    return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(GetDlgItem(window, id)));
}

} // namespace

MainWindow::MainWindow(Application& application, TForm1& form)
    : Form(application, "TForm1", "Vevove", kStoredPlacement), form_(form) {
    Create(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    font_ = CreateScaledFont("MS Sans Serif", 11);
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    CreateControls(handle(), kControls, static_cast<int>(std::size(kControls)), font_);
    ScaleFormToText(handle(), font_);
    form_.Edit1 = Control(handle(), IDC_EDIT1);
    form_.Edit2 = Control(handle(), IDC_EDIT2);
    form_.CheckBox1 = Control(handle(), IDC_CHECKBOX1);
    cancelButton_ = GetDlgItem(handle(), IDC_BITBTN2);
    AddBitmapButton(IDC_BITBTN2, IDB_QUIT, 1);
    AddBitmapButton(IDC_BITBTN1, IDB_HELP, 2);
    AddBitmapButton(IDC_BITBTN3, IDB_INFO, 1);
    centresOnFirstShow_ = true;
    if (SetTimer(handle(), IDT_TIMER1, kTimerInterval, nullptr) == 0) {
        throw Error(ErrorKind::Timer, kTimerRefusedText);
    }
}

MainWindow::~MainWindow() {
    DeleteObject(font_);
}

void MainWindow::SetOtherForms(Form& help, Form& freeware) {
    help_ = &help;
    freeware_ = &freeware;
}

void MainWindow::OnShow() {
    form_.FormShow();
}

// Centred on the whole virtual desktop, for the resolution in force after the
// show handler ran.
void MainWindow::PlaceForFirstShow() {
    RECT bounds;
    GetWindowRect(handle(), &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int left = CentredStart(0, GetSystemMetrics(SM_CXVIRTUALSCREEN), width);
    const int top = CentredStart(0, GetSystemMetrics(SM_CYVIRTUALSCREEN), height);
    SetWindowPos(handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnCommand(int controlId) {
    switch (controlId) {
    case IDC_BUTTON1:
        form_.Button1Click();
        break;
    case IDC_BUTTON2:
        form_.Button2Click();
        break;
    case IDC_BUTTON4:
        form_.Button4Click();
        break;
    case IDC_BUTTON5:
        form_.Button5Click();
        break;
    case IDC_BITBTN1:
        help_->Show();
        break;
    case IDC_BITBTN2:
        Close();
        break;
    case IDC_BITBTN3:
        freeware_->Show();
        break;
    default:
        break;
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        OnCommand(LOWORD(wParam));
        return 0;
    }
    if (message == WM_TIMER && wParam == IDT_TIMER1) {
        form_.Timer1Timer();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

} // namespace vevove
