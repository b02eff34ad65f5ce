// A stand-in for the desktop shell, for running and testing Vevove where
// there is no Explorer: a top-level "Progman" window, its child
// "SHELLDLL_DefView" and that one's child, a comctl32 "SysListView32" in icon
// view holding the icons of a text file. With --workerw the view hangs under a
// "WorkerW" window instead, behind an empty "WorkerW", and "Progman" has no
// children, as on Windows 10. With --unicode it is built as Explorer builds a
// real desktop: all its windows are Unicode windows, the icons file is UTF-8,
// the list view's items carry no texts but ask the "SHELLDLL_DefView" for them
// (LVN_GETDISPINFOW), and icons can be renamed in place as there. Icons can be
// dragged with the mouse. StandinCommands.h lists the messages it answers for
// the tests, among them one that makes it stop answering for a while.
//
// With --folder-view (which implies --unicode) it is the desktop of Windows 10
// 1809 and later: it serves the desktop's folder view over COM
// (StandinFolderView.h), and keeps an icon manager of its own beside the list
// view (IconManager.h), which a refresh (kStandinRefresh) puts the icons back
// from. With --workerw-child "Progman" holds an empty "WorkerW" first in Z
// order and then the "SHELLDLL_DefView", as on Windows 11 24H2. With
// --foreign-child a window of another program's kind ("ForeignWindow", with a
// "ForeignChild") comes first under "Progman"; with --foreign-only it is all
// that "Progman" holds, and there is no view. Beside the view, the empty
// "WorkerW" and the "ForeignWindow" are not shown, so that the icons stay
// visible and can be dragged. --clsid serves the folder view under that class instead of
// kStandinShellWindowsClsidText (StandinFolderView.h says why a test wants a
// fresh one for each run). With --call-delay every call to the folder view
// answers that many milliseconds late, as a slow desktop answers
// (IncomingCalls.h). With --announce it tells every top-level window
// that the desktop has been built, as Explorer does when its taskbar is
// created: a broadcast of the registered message "TaskbarCreated".
//
// With --late-icons the icons of a second file (read as the first) come onto
// the desktop the milliseconds of --late-after after it has been built and
// announced, as icons do that a program puts on the desktop while it starts:
// the list view, the shell view's names, the icon manager and the folder view
// all have them from then on, numbered on from the first file's icons.
//
//   StandinShell.exe ICONS-FILE [--unicode] [--auto-arrange] [--report FILE]
//                    [--workerw | --workerw-child] [--foreign-child | --foreign-only]
//                    [--folder-view [--clsid {CLSID}] [--call-delay MS]] [--announce]
//                    [--late-icons FILE --late-after MS]
#include "IconManager.h"
#include "IconsFile.h"
#include "IncomingCalls.h"
#include "ShellNames.h"
#include "StandinCommands.h"
#include "StandinFolderView.h"

#include <commctrl.h>
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Options {
    std::string iconsFile;
    bool unicode = false;
    bool autoArrange = false;
    bool underWorkerW = false;
    bool workerWChild = false;
    bool foreignChild = false;
    bool foreignOnly = false;
    bool folderView = false;
    bool announce = false;
    std::string clsid = kStandinShellWindowsClsidText;
    DWORD callDelay = 0;
    std::string reportFile;
    std::string lateIconsFile;
    std::optional<DWORD> lateAfter;
};

constexpr const char* kUsage =
    "usage: StandinShell ICONS-FILE [--unicode] [--auto-arrange] [--report FILE] "
    "[--workerw | --workerw-child] [--foreign-child | --foreign-only] [--folder-view [--clsid "
    "{CLSID}] [--call-delay MS]] [--announce] [--late-icons FILE --late-after MS]";

HWND g_listView = nullptr;
bool g_unicode = false;
std::string g_reportFile;
DWORD g_hangAtStyleChange = 0;
int g_foreignMessages = 0;

DWORD Milliseconds(const char* text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (!std::isdigit(static_cast<unsigned char>(text[0])) || *end != '\0') {
        throw std::runtime_error(std::string("not a number of milliseconds: ") + text);
    }
    return static_cast<DWORD>(value);
}

// --late-icons and --late-after come together, and not with --foreign-only,
// which has no view to show the icons in.
bool LateIconsFit(const Options& options) {
    return options.lateIconsFile.empty() == !options.lateAfter.has_value() &&
           !(options.lateAfter.has_value() && options.foreignOnly);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--unicode") {
            options.unicode = true;
        } else if (argument == "--auto-arrange") {
            options.autoArrange = true;
        } else if (argument == "--workerw") {
            options.underWorkerW = true;
        } else if (argument == "--workerw-child") {
            options.workerWChild = true;
        } else if (argument == "--foreign-child") {
            options.foreignChild = true;
        } else if (argument == "--foreign-only") {
            options.foreignOnly = true;
        } else if (argument == "--folder-view") {
            options.folderView = true;
            options.unicode = true;
        } else if (argument == "--announce") {
            options.announce = true;
        } else if (argument == "--clsid" && i + 1 < argc) {
            options.clsid = argv[++i];
        } else if (argument == "--call-delay" && i + 1 < argc) {
            options.callDelay = Milliseconds(argv[++i]);
        } else if (argument == "--report" && i + 1 < argc) {
            options.reportFile = argv[++i];
        } else if (argument == "--late-icons" && i + 1 < argc) {
            options.lateIconsFile = argv[++i];
        } else if (argument == "--late-after" && i + 1 < argc) {
            options.lateAfter = Milliseconds(argv[++i]);
        } else if (options.iconsFile.empty()) {
            options.iconsFile = argument;
        } else {
            throw std::runtime_error("unexpected argument " + argument);
        }
    }
    if (options.iconsFile.empty() || (options.underWorkerW && options.workerWChild) ||
        (options.foreignChild && options.foreignOnly) || !LateIconsFit(options)) {
        throw std::runtime_error(kUsage);
    }
    return options;
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return g_unicode ? DefWindowProcW(window, message, wParam, lParam)
                     : DefWindowProcA(window, message, wParam, lParam);
}

// In --unicode mode the texts are the shell view's names, in UTF-8.
std::string ItemText(int item) {
    if (g_unicode) {
        return NameAsUtf8(item);
    }
    char text[1024] = {};
    LVITEMA record = {};
    record.pszText = text;
    record.cchTextMax = sizeof text;
    SendMessageA(g_listView, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&record));
    return text;
}

int ItemCount() {
    return static_cast<int>(SendMessageA(g_listView, LVM_GETITEMCOUNT, 0, 0));
}

bool WriteReport() {
    FILE* report = std::fopen(g_reportFile.c_str(), "wb");
    if (report == nullptr) {
        return false;
    }
    for (int item = 0, count = ItemCount(); item < count; ++item) {
        POINT point = {};
        SendMessageA(g_listView, LVM_GETITEMPOSITION, item, reinterpret_cast<LPARAM>(&point));
        std::fprintf(report, "%ld\t%ld\t%s\n", point.x, point.y, ItemText(item).c_str());
    }
    return std::fclose(report) == 0;
}

bool RemoveIcon(int item) {
    if (g_unicode) {
        return RemoveNamedItem(g_listView, item);
    }
    return SendMessageA(g_listView, LVM_DELETEITEM, item, 0) != 0;
}

// A drag started on an icon ends where the mouse button is let go.
int g_draggedItem = -1;
POINT g_grabOffset = {};

void BeginDrag(const NMLISTVIEW& drag) {
    POINT position = {};
    SendMessageA(g_listView, LVM_GETITEMPOSITION, drag.iItem, reinterpret_cast<LPARAM>(&position));
    g_draggedItem = drag.iItem;
    g_grabOffset = {drag.ptAction.x - position.x, drag.ptAction.y - position.y};
    SetCapture(GetParent(g_listView));
}

void EndDrag(LPARAM where, HWND from) {
    POINT point = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    MapWindowPoints(from, g_listView, &point, 1);
    MoveIcon(g_listView, g_draggedItem, {point.x - g_grabOffset.x, point.y - g_grabOffset.y});
    g_draggedItem = -1;
    ReleaseCapture();
}

// The name requests and the end of a rename come only in --unicode mode, whose
// items have callback texts and whose list view allows editing them.
LRESULT Notify(NMHDR& header) {
    switch (header.code) {
    case LVN_BEGINDRAG:
        BeginDrag(reinterpret_cast<NMLISTVIEW&>(header));
        return 0;
    case LVN_GETDISPINFOW:
        AnswerNameRequest(reinterpret_cast<NMLVDISPINFOW&>(header));
        return 0;
    case LVN_ENDLABELEDITW:
        return RenameItem(reinterpret_cast<NMLVDISPINFOW&>(header)) ? TRUE : FALSE;
    default:
        return 0;
    }
}

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (g_listView != nullptr) {
            MoveWindow(g_listView, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_NOTIFY:
        return Notify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_LBUTTONUP:
        if (g_draggedItem >= 0) {
            EndDrag(lParam, window);
        }
        return 0;
    default:
        return DefaultProc(window, message, wParam, lParam);
    }
}

// Holds the thread at the style change that kStandinHangAtStyleChange asked
// for, before the list view takes it.
LRESULT CALLBACK ListViewHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_STYLECHANGING && g_hangAtStyleChange != 0) {
        const DWORD milliseconds = g_hangAtStyleChange;
        g_hangAtStyleChange = 0;
        Sleep(milliseconds);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Another program's windows under "Progman" count what only a list view
// should get.
LRESULT CALLBACK ForeignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message >= LVM_FIRST && message <= LVM_FIRST + 0xFF) || message == WM_STYLECHANGING) {
        ++g_foreignMessages;
    }
    return DefaultProc(window, message, wParam, lParam);
}

void FillParent(HWND parent, int width, int height) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        MoveWindow(child, 0, 0, width, height, TRUE);
    }
}

LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        FillParent(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case kStandinWriteReport:
        return WriteReport() ? 1 : 0;
    case kStandinMoveIcon: {
        const POINT position = {static_cast<short>(LOWORD(lParam)),
                                static_cast<short>(HIWORD(lParam))};
        return MoveIcon(g_listView, static_cast<int>(wParam), position) ? 1 : 0;
    }
    case kStandinRemoveIcon:
        return RemoveIcon(static_cast<int>(wParam)) ? 1 : 0;
    case kStandinHang:
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    case kStandinRefresh:
        return RefreshIcons(g_listView) ? 1 : 0;
    case kStandinHangAtStyleChange:
        g_hangAtStyleChange = static_cast<DWORD>(wParam);
        return 1;
    case kStandinForeignMessages:
        return g_foreignMessages;
    case kStandinLiveComObjects:
        return LiveFolderViewObjects();
    case kStandinRejectNextCall:
        RejectNextCall();
        return 1;
    case kStandinRejectedCalls:
        return RejectedCalls();
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefaultProc(window, message, wParam, lParam);
    }
}

// The class names and titles are ASCII, so the same in either kind of window.
std::wstring Wide(const char* ascii) {
    return std::wstring(ascii, ascii + std::strlen(ascii));
}

void RegisterWindowClass(const char* name, WNDPROC procedure, HINSTANCE instance) {
    const HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);
    const auto background = reinterpret_cast<HBRUSH>(COLOR_DESKTOP + 1);
    if (g_unicode) {
        const std::wstring wideName = Wide(name);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = wideName.c_str();
        RegisterClassW(&windowClass);
    } else {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
    }
}

HWND CreateDesktopWindow(const char* className, const char* title, DWORD style, HWND parent,
                         HINSTANCE instance) {
    RECT area = {0, 0, 640, 480};
    if (parent != nullptr) {
        GetClientRect(parent, &area);
    }
    if (g_unicode) {
        return CreateWindowExW(0, Wide(className).c_str(), Wide(title).c_str(), style, 0, 0,
                               area.right, area.bottom, parent, nullptr, instance, nullptr);
    }
    return CreateWindowExA(0, className, title, style, 0, 0, area.right, area.bottom, parent,
                           nullptr, instance, nullptr);
}

HWND CreateTop(const char* className, bool visible, HINSTANCE instance) {
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    return CreateDesktopWindow(className, "Stand-in desktop", style, nullptr, instance);
}

// Appends an item per icon; only in --unicode mode do the items carry the
// icons' numbers, from `firstNumber` on.
void InsertItems(const std::vector<DesktopIcon>& icons, int firstNumber) {
    if (g_unicode) {
        InsertNamedItems(g_listView, icons, firstNumber);
        return;
    }
    for (const DesktopIcon& icon : icons) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = ItemCount();
        item.pszText = const_cast<char*>(icon.text.c_str());
        SendMessageA(g_listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

struct Icons {
    std::vector<DesktopIcon> first;
    std::vector<DesktopIcon> late;
};

std::vector<DesktopIcon> ReadIcons(const std::string& file) {
    return ReadIconsFile(file, g_unicode ? IconsFileEncoding::Utf8 : IconsFileEncoding::Ansi);
}

// Read before any window is made, so that a file that cannot be served shows
// only the error box.
Icons ReadIcons(const Options& options) {
    Icons icons{ReadIcons(options.iconsFile), {}};
    if (!options.lateIconsFile.empty()) {
        icons.late = ReadIcons(options.lateIconsFile);
    }
    if (options.folderView && icons.first.size() + icons.late.size() > kMostFolderViewIcons) {
        throw std::runtime_error("at most " + std::to_string(kMostFolderViewIcons) +
                                 " icons with --folder-view, the late ones included");
    }
    return icons;
}

// Each icon is placed where its file has it once the view has been laid out
// and painted, which arranges the icons once; a running icon manager records
// it there.
void AddIcons(const std::vector<DesktopIcon>& icons, int firstNumber) {
    const int firstItem = ItemCount();
    InsertItems(icons, firstNumber);
    UpdateWindow(GetAncestor(g_listView, GA_ROOT));
    for (std::size_t index = 0; index < icons.size(); ++index) {
        MoveIcon(g_listView, firstItem + static_cast<int>(index), {icons[index].x, icons[index].y});
    }
}

void FillListView(const std::vector<DesktopIcon>& icons) {
    HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_AddIcon(images, LoadIcon(nullptr, IDI_APPLICATION));
    SendMessageA(g_listView, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    AddIcons(icons, 0);
}

// The icons of --late-icons until they come, and the number of the first.
std::vector<DesktopIcon> g_lateIcons;
int g_firstLateNumber = 0;

void CALLBACK AddLateIcons(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    AddIcons(g_lateIcons, g_firstLateNumber);
}

// The thread's message loop adds them when the time has passed.
void AddIconsLater(std::vector<DesktopIcon> icons, int firstNumber, DWORD milliseconds) {
    g_lateIcons = std::move(icons);
    g_firstLateNumber = firstNumber;
    SetTimer(nullptr, 0, milliseconds, AddLateIcons);
}

// Each child goes below its elder siblings: children come in Z order as they
// are made.
HWND CreateChild(const char* className, const char* title, DWORD style, HWND parent,
                 HINSTANCE instance) {
    HWND child = CreateDesktopWindow(className, title, WS_CHILD | style, parent, instance);
    SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return child;
}

FolderViewWindows BuildDesktop(const Options& options, const std::vector<DesktopIcon>& icons,
                               HINSTANCE instance) {
    RegisterWindowClass("Progman", TopProc, instance);
    RegisterWindowClass("WorkerW", TopProc, instance);
    RegisterWindowClass("SHELLDLL_DefView", ViewProc, instance);
    RegisterWindowClass("ForeignWindow", ForeignProc, instance);
    RegisterWindowClass("ForeignChild", ForeignProc, instance);
    FolderViewWindows windows;
    HWND top = nullptr;
    if (options.underWorkerW) {
        windows.progman = CreateTop("Progman", false, instance);
        CreateTop("WorkerW", false, instance);
        top = CreateTop("WorkerW", true, instance);
    } else {
        windows.progman = top = CreateTop("Progman", true, instance);
    }
    if (options.foreignChild || options.foreignOnly) {
        const DWORD shown = options.foreignOnly ? WS_VISIBLE : 0;
        HWND foreign = CreateChild("ForeignWindow", "", shown, top, instance);
        CreateChild("ForeignChild", "", WS_VISIBLE, foreign, instance);
    }
    if (options.workerWChild) {
        CreateChild("WorkerW", "", 0, top, instance);
    }
    if (options.foreignOnly) {
        return windows;
    }
    windows.view = CreateChild("SHELLDLL_DefView", "", WS_VISIBLE, top, instance);
    const DWORD style = WS_VISIBLE | LVS_ICON | (options.autoArrange ? LVS_AUTOARRANGE : 0) |
                        (g_unicode ? LVS_EDITLABELS : 0);
    g_listView = windows.listView =
        CreateChild(WC_LISTVIEWA, "FolderView", style, windows.view, instance);
    SetWindowSubclass(g_listView, ListViewHook, 0, 0);
    FillListView(icons);
    if (options.folderView) {
        StartIconManager(g_listView);
    }
    return windows;
}

int PumpMessages() {
    MSG message;
    while ((g_unicode ? GetMessageW(&message, nullptr, 0, 0)
                      : GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        if (g_unicode) {
            DispatchMessageW(&message);
        } else {
            DispatchMessageA(&message);
        }
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        const Options options = ParseOptions(__argc, __argv);
        g_unicode = options.unicode;
        g_reportFile = options.reportFile;
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        Icons icons = ReadIcons(options);
        if (options.folderView) {
            ServeFolderView(options.clsid, options.callDelay);
        }
        SetFolderViewWindows(BuildDesktop(options, icons.first, instance));
        if (options.announce) {
            SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        }
        if (options.lateAfter.has_value()) {
            AddIconsLater(std::move(icons.late), static_cast<int>(icons.first.size()),
                          *options.lateAfter);
        }
    } catch (const std::exception& error) {
        StopServingFolderView();
        MessageBoxA(nullptr, error.what(), "Stand-in desktop", MB_ICONERROR);
        return 1;
    }
    const int exitCode = PumpMessages();
    StopServingFolderView();
    return exitCode;
}
