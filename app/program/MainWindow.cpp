#include "MainWindow.h"

#include "Application.h"
#include "DisplaySetup.h"
#include "Errors.h"
#include "FormLayout.h"
#include "Placement.h"
#include "SavedLayouts.h"
#include "StartWithWindows.h"
#include "Trace.h"
#include "WideText.h"
#include "WindowClasses.h"
#include "resource.h"

#include <exception>
#include <iterator>

namespace vevove {

namespace {

constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kHiddenMultiLineEdit = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kBitmapButton = WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;

// In tab order; the labels take no focus. The multi-line edit box is never
// shown.
const ControlLayout kControls[] = {
    {IDC_WIDTH, "Edit", "", kEdit, WS_EX_CLIENTEDGE, 75, 45, 50, 21},
    {IDC_HEIGHT, "Edit", "", kEdit, WS_EX_CLIENTEDGE, 145, 46, 50, 21},
    {IDC_HIDDEN_EDIT, "Edit", "", kHiddenMultiLineEdit, WS_EX_CLIENTEDGE, 64, 133, 137, 33},
    {IDC_RESTORE_RESOLUTION, "Button", "Restore resolution", kButton, 0, 60, 80, 150, 30},
    {IDC_SAVE_RESOLUTION, "Button", "Save resolution", kButton, 0, 60, 111, 150, 30},
    {IDC_AUTO, "Button", "Auto", kCheckBox, 0, 127, 17, 57, 17},
    {IDC_SAVE_ICONS, "Button", "Save Icons", kButton, 0, 60, 142, 150, 30},
    {IDC_RESTORE_ICONS, "Button", "Restore Icons", kButton, 0, 60, 173, 150, 30},
    {IDC_QUIT, "Button", "Quit", kBitmapButton, 0, 60, 235, 150, 30},
    {IDC_SHOW_HELP, "Button", "Help", kBitmapButton, 0, 60, 204, 150, 30},
    {IDC_MORE_SOFTWARE, "Button", "", kBitmapButton, 0, 224, 8, 30, 30},
    {IDC_WIDTH_LABEL, "Static", "Width", kLabel, 0, 39, 49, 28, 13},
    {IDC_TIMES_LABEL, "Static", "X", kLabel, 0, 131, 49, 7, 13},
    {IDC_HEIGHT_LABEL, "Static", "Height", kLabel, 0, 202, 49, 31, 13},
};

constexpr FormPlacement kStoredPlacement = {650, 132, 285, 330};
constexpr UINT kCheckInterval = 5000;
constexpr int kIconCommandButtons[] = {IDC_SAVE_RESOLUTION, IDC_SAVE_ICONS, IDC_RESTORE_ICONS};
// What the icon in the notification area sends about itself, and the
// window's reminder to add it.
constexpr UINT kNotificationIconEvent = WM_APP + 2;
constexpr UINT kAddNotificationIcon = WM_APP + 3;
// Stored in the Windows-1252 code page.
constexpr const char* kTimerRefusedText = "Nicht gen\xFCgend Timer verf\xFCgbar";

// The full path of the running program, however long.
std::u16string ProgramPath() {
    WideText path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::u16string(path.begin(), path.begin() + length);
}

std::string TextOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

} // namespace

MainWindow::MainWindow(Application& application, SettingsStorage& storage, Display& display,
                       UserRegistry& registry, DesktopWorker& worker)
    : Form(application, kMainWindowClass, "Vevove", kStoredPlacement),
      resolution_{storage, display, *this, registry, {}}, registry_(registry), help_(application),
      moreSoftware_(application) {
    Create(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    jobs_ = std::make_unique<DesktopJobs>(worker, handle());
    font_ = CreateScaledFont("MS Sans Serif", 11);
    SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    CreateControls(handle(), kControls, static_cast<int>(std::size(kControls)), font_.get());
    ScaleFormToText(handle(), font_.get());
    width_ = GetDlgItem(handle(), IDC_WIDTH);
    height_ = GetDlgItem(handle(), IDC_HEIGHT);
    auto_ = GetDlgItem(handle(), IDC_AUTO);
    cancelButton_ = GetDlgItem(handle(), IDC_QUIT);
    AddBitmapButton(IDC_QUIT, IDB_QUIT, 1);
    AddBitmapButton(IDC_SHOW_HELP, IDB_HELP, 2);
    AddBitmapButton(IDC_MORE_SOFTWARE, IDB_INFO, 1);
    centresOnFirstShow_ = true;
    AddOptionsToSystemMenu();
    displaySize_ = display.CurrentSize();
    setup_ = SetupName(display.Monitors());
    sessionNotifications_ = std::make_unique<SessionNotifications>(handle());
    // Broadcast by the shell when its taskbar is created: the desktop has been
    // built anew. It also reaches a Vevove run as administrator.
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    ChangeWindowMessageFilterEx(handle(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
    // Added once the window shows: the shell's answer need not hold it up.
    PostMessageW(handle(), kAddNotificationIcon, 0, 0);
    if (SetTimer(handle(), IDT_CHECK_TIMER, kCheckInterval, nullptr) == 0) {
        throw Error(ErrorKind::Timer, kTimerRefusedText);
    }
}

// The undo and the earlier layouts above the options; the system menu
// destroys the submenu with itself.
void MainWindow::AddOptionsToSystemMenu() {
    HMENU menu = GetSystemMenu(handle(), FALSE);
    earlierLayouts_ = CreatePopupMenu();
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_UNDO_RESTORE, "Undo last restore");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(earlierLayouts_), "Earlier layouts");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_START_WITH_WINDOWS, "Start with Windows");
    AppendMenuA(menu, MF_STRING, IDM_RESTORE_ICONS_AUTOMATICALLY, "Restore icons automatically");
}

// Read afresh each time a menu opens: another program may have changed them.
// The current setup's: whether there is a restore to undo, and its earlier
// layouts by the times they were saved.
MenuFacts MainWindow::ReadMenuFacts() {
    const std::string setup = SetupName(resolution_.display.Monitors());
    MenuFacts facts;
    std::vector<std::string> times = SavedTimes(registry_, setup);
    facts.earlierTimes.assign(times.begin() + (times.empty() ? 0 : 1), times.end());
    facts.undoable = !BeforeLastRestore(registry_, setup).empty();
    facts.startsWithWindows = StartsWithWindows(registry_, ProgramPath());
    facts.restoresAutomatically = RestoresIconsAutomatically(registry_);
    earlierTimes_ = facts.earlierTimes;
    return facts;
}

void MainWindow::ShowFactsInSystemMenu(HMENU menu) {
    const MenuFacts facts = ReadMenuFacts();
    const auto checked = [](bool on) { return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED); };
    CheckMenuItem(menu, IDM_START_WITH_WINDOWS, checked(facts.startsWithWindows));
    CheckMenuItem(menu, IDM_RESTORE_ICONS_AUTOMATICALLY, checked(facts.restoresAutomatically));
    EnableMenuItem(menu, IDM_UNDO_RESTORE,
                   MF_BYCOMMAND | (facts.undoable ? MF_ENABLED : MF_GRAYED));
    while (GetMenuItemCount(earlierLayouts_) > 0) {
        DeleteMenu(earlierLayouts_, 0, MF_BYPOSITION);
    }
    AppendMenuEntries(earlierLayouts_, EarlierLayoutsMenu(facts.earlierTimes).entries);
}

// A click on the icon (or Enter or Space on it) shows the window; a right
// click (or the context-menu key or Shift+F10) opens the menu at the pointer.
void MainWindow::OnNotificationIcon(UINT event, WPARAM point) {
    switch (event) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
        application_.ShowMainForm();
        break;
    case WM_CONTEXTMENU:
        RunNotificationMenuItem(notificationIcon_->ChooseFromMenu(
            NotificationMenu(ReadMenuFacts()),
            {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))}));
        break;
    default:
        break;
    }
}

// The buttons' items run as a click of the button; the system menu's as its
// items.
void MainWindow::RunNotificationMenuItem(unsigned item) {
    switch (item) {
    case IDC_SAVE_ICONS:
    case IDC_RESTORE_ICONS:
    case IDC_RESTORE_RESOLUTION:
        OnCommand(static_cast<int>(item), BN_CLICKED, nullptr);
        break;
    case IDM_OPEN:
        application_.ShowMainForm();
        break;
    case IDM_QUIT:
        application_.Quit();
        break;
    default:
        RunSystemMenuItem(item);
        break;
    }
}

std::u16string MainWindow::NotificationTipNow() {
    const bool saved = !SavedTimes(registry_, setup_).empty();
    return NotificationTip(setup_, saved, NotificationIcon::kTipCapacity);
}

void MainWindow::ShowNotificationTip() {
    if (notificationIcon_) {
        notificationIcon_->SetTip(NotificationTipNow());
    }
}

// The system menu's own items: true when it was one.
bool MainWindow::RunSystemMenuItem(UINT item) {
    if (item == IDM_START_WITH_WINDOWS || item == IDM_RESTORE_ICONS_AUTOMATICALLY) {
        ToggleOption(item);
        return true;
    }
    if (item == IDM_UNDO_RESTORE) {
        PostUserRestore(UndoLastRestore);
        return true;
    }
    std::size_t earlier = 0;
    if (EarlierLayoutIndex(item, earlierTimes_.size(), earlier)) {
        PostUserRestore([time = earlierTimes_[earlier]](Desktop& desktop) {
            return RestoreLayoutSavedAt(desktop, time);
        });
        return true;
    }
    return false;
}

void MainWindow::ToggleOption(UINT item) {
    UserRegistry& registry = registry_;
    if (item == IDM_START_WITH_WINDOWS) {
        const std::u16string program = ProgramPath();
        SetStartsWithWindows(registry, !StartsWithWindows(registry, program), program);
    } else {
        SetRestoresIconsAutomatically(registry, !RestoresIconsAutomatically(registry));
    }
}

// Once a setup has a layout of its own, every change of the setup rebuilds
// the desktop; before that, the display's return to the stored resolution.
void MainWindow::OnDisplayChanged() {
    const ScreenSize before = displaySize_;
    displaySize_ = resolution_.display.CurrentSize();
    const std::string setupBefore = setup_;
    setup_ = SetupName(resolution_.display.Monitors());
    ShowNotificationTip();
    if (AnySetupHasLayouts(registry_)
            ? setup_ != setupBefore
            : CameBackToStoredResolution(resolution_.state, before, displaySize_)) {
        OnDesktopRebuilt();
    }
}

void MainWindow::OnDesktopRebuilt() {
    if (!RestoresIconsAutomatically(registry_)) {
        return;
    }
    automaticRestore_.DesktopRebuilt(GetTickCount64());
    ContinueIconRestore();
}

// The commands wait for the desktop worker, whatever else it is doing, and
// say what became of them when their result comes.
void MainWindow::PostIconCommand(std::function<bool(Desktop&)> command) {
    jobs_->PostCommand(std::move(command));
    ShowCommandsBusy();
}

// A restore of the user's stands for the automatic one due.
void MainWindow::PostUserRestore(std::function<bool(Desktop&)> restore) {
    automaticRestore_.UserRestored();
    Trace(automaticRestore_.TakeTrace());
    PostIconCommand(std::move(restore));
}

// The buttons of the icon commands are disabled while one of them runs; the
// one that had the keyboard focus gets it back.
void MainWindow::ShowCommandsBusy() {
    const bool busy = jobs_->CommandsWaiting();
    const HWND focus = GetFocus();
    for (const int button : kIconCommandButtons) {
        const HWND control = GetDlgItem(handle(), button);
        if (busy && control == focus) {
            focusBeforeBusy_ = control;
        }
        EnableWindow(control, busy ? FALSE : TRUE);
    }
    if (!busy && focusBeforeBusy_ != nullptr) {
        if (GetFocus() == nullptr && GetActiveWindow() == handle()) {
            SetFocus(focusBeforeBusy_);
        }
        focusBeforeBusy_ = nullptr;
    }
}

void MainWindow::OnJobDone(const DesktopJobResult& result) {
    const TickCount now = GetTickCount64();
    switch (result.kind) {
    case DesktopJobResult::Kind::Command:
        ShowCommandsBusy();
        ShowNotificationTip();
        if (result.error) {
            std::rethrow_exception(result.error);
        }
        break;
    case DesktopJobResult::Kind::Look:
        automaticRestore_.Looked(now, result.look);
        ContinueIconRestore();
        break;
    case DesktopJobResult::Kind::Restore:
        automaticRestore_.Restored(now, result.restored, result.placed);
        ContinueIconRestore();
        break;
    }
}

// One box for the commands given up at once.
void MainWindow::GiveUpOverdueJobs() {
    std::exception_ptr error;
    for (const DesktopJobResult& result : jobs_->GiveUpOverdue()) {
        if (result.kind == DesktopJobResult::Kind::Command) {
            error = result.error;
        } else {
            OnJobDone(result);
        }
    }
    ShowCommandsBusy();
    if (error) {
        std::rethrow_exception(error);
    }
}

// Does what the automatic restore's rules ask for now, and sets the timer
// for when they want to be asked again.
void MainWindow::ContinueIconRestore() {
    const TickCount now = GetTickCount64();
    const AutomaticStep step = automaticRestore_.Next(now);
    Trace(automaticRestore_.TakeTrace());
    KillTimer(handle(), IDT_ICON_RESTORE_TIMER);
    switch (step.kind) {
    case AutomaticStep::Kind::Nothing:
        return;
    case AutomaticStep::Kind::Wait:
        SetTimer(handle(), IDT_ICON_RESTORE_TIMER, static_cast<UINT>(step.until - now), nullptr);
        return;
    case AutomaticStep::Kind::Look:
        jobs_->PostLook();
        break;
    case AutomaticStep::Kind::Restore:
        jobs_->PostRestore({});
        break;
    case AutomaticStep::Kind::PlaceLateIcons:
        jobs_->PostRestore(automaticRestore_.placed());
        break;
    }
}

// Once: a start minimized loads the settings at once, and its later first
// showing keeps what the boxes hold.
void MainWindow::AboutToShow() {
    if (!settingsLoaded_) {
        settingsLoaded_ = true;
        LoadSettingsAndCheckScreen(resolution_);
    }
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

void MainWindow::OnCommand(int controlId, int code, HWND) {
    if (code != BN_CLICKED) {
        return;
    }
    switch (controlId) {
    case IDC_RESTORE_RESOLUTION:
        RestoreResolution(resolution_);
        break;
    case IDC_SAVE_RESOLUTION:
        SaveResolution(resolution_);
        PostIconCommand(SaveIcons);
        break;
    case IDC_SAVE_ICONS:
        PostIconCommand(SaveIcons);
        break;
    case IDC_RESTORE_ICONS:
        PostUserRestore(RestoreIcons);
        break;
    case IDC_SHOW_HELP:
        help_.Get().Show();
        break;
    case IDC_QUIT:
        application_.Quit();
        break;
    case IDC_MORE_SOFTWARE:
        moreSoftware_.Get().Show();
        break;
    default:
        break;
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_) {
        if (notificationIcon_) {
            notificationIcon_->AddAgain();
        }
        OnDesktopRebuilt();
        return 0;
    }
    switch (message) {
    case kAddNotificationIcon:
        notificationIcon_ = std::make_unique<NotificationIcon>(handle(), kNotificationIconEvent,
                                                               NotificationTipNow());
        return 0;
    case kNotificationIconEvent:
        OnNotificationIcon(LOWORD(lParam), wParam);
        return 0;
    case WM_DESTROY:
        notificationIcon_.reset();
        break;
    case kDesktopJobDone:
        if (const std::unique_ptr<DesktopJobResult> result = jobs_->TakeResult(lParam)) {
            OnJobDone(*result);
        }
        return 0;
    case WM_TIMER:
        if (wParam == IDT_CHECK_TIMER) {
            CheckScreen(resolution_);
            return 0;
        }
        if (wParam == IDT_ICON_RESTORE_TIMER) {
            ContinueIconRestore();
            return 0;
        }
        if (wParam == IDT_DESKTOP_WATCH_TIMER) {
            GiveUpOverdueJobs();
            return 0;
        }
        break;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
        OnDisplayChanged();
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC) {
            OnDesktopRebuilt();
        }
        break;
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_CONSOLE_CONNECT || wParam == WTS_REMOTE_CONNECT) {
            OnDesktopRebuilt();
        }
        break;
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) != 0) {
            ShowFactsInSystemMenu(reinterpret_cast<HMENU>(wParam));
        }
        break;
    case WM_SYSCOMMAND:
        if (RunSystemMenuItem(static_cast<UINT>(wParam & 0xFFF0))) {
            return 0;
        }
        break;
    case WM_COMMAND:
        // Wine sends the items of the system menu's submenu as menu commands.
        if (lParam == 0 && HIWORD(wParam) == 0 && RunSystemMenuItem(LOWORD(wParam))) {
            return 0;
        }
        break;
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

std::string MainWindow::WidthText() {
    return TextOf(width_);
}

void MainWindow::SetWidthText(const std::string& text) {
    SetWindowTextA(width_, text.c_str());
}

std::string MainWindow::HeightText() {
    return TextOf(height_);
}

void MainWindow::SetHeightText(const std::string& text) {
    SetWindowTextA(height_, text.c_str());
}

bool MainWindow::AutoChecked() {
    return SendMessageA(auto_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::CheckAuto() {
    SendMessageA(auto_, BM_SETCHECK, BST_CHECKED, 0);
}

} // namespace vevove
