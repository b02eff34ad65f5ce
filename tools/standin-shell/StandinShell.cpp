// A stand-in for the desktop shell, for running and testing Vevove where
// there is no Explorer: a top-level "Progman" window, its child
// "SHELLDLL_DefView" and that one's child, a comctl32 "SysListView32" in icon
// view holding the icons of a text file. With --workerw the view hangs under a
// "WorkerW" window instead, behind an empty "WorkerW", and "Progman" has no
// children, as on Windows 10. Icons can be dragged with the mouse.
//
//   StandinShell.exe ICONS-FILE [--auto-arrange] [--workerw] [--report FILE]
#include "IconsFile.h"
#include "StandinCommands.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string iconsFile;
    bool autoArrange = false;
    bool underWorkerW = false;
    std::string reportFile;
};

HWND g_listView = nullptr;
std::string g_reportFile;

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--auto-arrange") {
            options.autoArrange = true;
        } else if (argument == "--workerw") {
            options.underWorkerW = true;
        } else if (argument == "--report" && i + 1 < argc) {
            options.reportFile = argv[++i];
        } else if (options.iconsFile.empty()) {
            options.iconsFile = argument;
        } else {
            throw std::runtime_error("unexpected argument " + argument);
        }
    }
    if (options.iconsFile.empty()) {
        throw std::runtime_error(
            "usage: StandinShell ICONS-FILE [--auto-arrange] [--workerw] [--report FILE]");
    }
    return options;
}

bool WriteReport() {
    FILE* report = std::fopen(g_reportFile.c_str(), "wb");
    if (report == nullptr) {
        return false;
    }
    const int count = static_cast<int>(SendMessageA(g_listView, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        char text[1024] = {};
        LVITEMA record = {};
        record.pszText = text;
        record.cchTextMax = sizeof text;
        SendMessageA(g_listView, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&record));
        POINT point = {};
        SendMessageA(g_listView, LVM_GETITEMPOSITION, item, reinterpret_cast<LPARAM>(&point));
        std::fprintf(report, "%ld\t%ld\t%s\n", point.x, point.y, text);
    }
    return std::fclose(report) == 0;
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
    SendMessageA(g_listView, LVM_SETITEMPOSITION, g_draggedItem,
                 MAKELPARAM(point.x - g_grabOffset.x, point.y - g_grabOffset.y));
    g_draggedItem = -1;
    ReleaseCapture();
}

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (g_listView != nullptr) {
            MoveWindow(g_listView, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == LVN_BEGINDRAG) {
            BeginDrag(*reinterpret_cast<NMLISTVIEW*>(lParam));
        }
        return 0;
    case WM_LBUTTONUP:
        if (g_draggedItem >= 0) {
            EndDrag(lParam, window);
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (HWND view = GetWindow(window, GW_CHILD)) {
            MoveWindow(view, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case kStandinWriteReport:
        return WriteReport() ? 1 : 0;
    case kStandinMoveIcon:
        return SendMessageA(g_listView, LVM_SETITEMPOSITION, wParam, lParam);
    case kStandinRemoveIcon:
        return SendMessageA(g_listView, LVM_DELETEITEM, wParam, 0);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSA top = {};
    top.lpfnWndProc = TopProc;
    top.hInstance = instance;
    top.hCursor = LoadCursor(nullptr, IDC_ARROW);
    top.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_DESKTOP + 1);
    for (const char* name : {"Progman", "WorkerW"}) {
        top.lpszClassName = name;
        RegisterClassA(&top);
    }
    WNDCLASSA view = top;
    view.lpfnWndProc = ViewProc;
    view.lpszClassName = "SHELLDLL_DefView";
    RegisterClassA(&view);
}

HWND CreateTop(const char* className, bool visible, HINSTANCE instance) {
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    return CreateWindowExA(0, className, "Stand-in desktop", style, 0, 0, 640, 480, nullptr,
                           nullptr, instance, nullptr);
}

void FillListView(const Options& options) {
    HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_AddIcon(images, LoadIcon(nullptr, IDI_APPLICATION));
    SendMessageA(g_listView, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    const std::vector<DesktopIcon> icons = ReadIconsFile(options.iconsFile);
    for (std::size_t index = 0; index < icons.size(); ++index) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(index);
        item.pszText = const_cast<char*>(icons[index].text.c_str());
        SendMessageA(g_listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    // Placed once the view has been laid out and painted, which arranges the
    // icons once.
    UpdateWindow(GetAncestor(g_listView, GA_ROOT));
    for (std::size_t index = 0; index < icons.size(); ++index) {
        POINT position = {icons[index].x, icons[index].y};
        SendMessageA(g_listView, LVM_SETITEMPOSITION32, index, reinterpret_cast<LPARAM>(&position));
    }
}

void BuildDesktop(const Options& options, HINSTANCE instance) {
    HWND top = nullptr;
    if (options.underWorkerW) {
        CreateTop("Progman", false, instance);
        CreateTop("WorkerW", false, instance);
        top = CreateTop("WorkerW", true, instance);
    } else {
        top = CreateTop("Progman", true, instance);
    }
    RECT client = {};
    GetClientRect(top, &client);
    HWND view = CreateWindowExA(0, "SHELLDLL_DefView", "", WS_CHILD | WS_VISIBLE, 0, 0,
                                client.right, client.bottom, top, nullptr, instance, nullptr);
    const DWORD style =
        WS_CHILD | WS_VISIBLE | LVS_ICON | (options.autoArrange ? LVS_AUTOARRANGE : 0);
    g_listView = CreateWindowExA(0, WC_LISTVIEWA, "FolderView", style, 0, 0, client.right,
                                 client.bottom, view, nullptr, instance, nullptr);
    FillListView(options);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        const Options options = ParseOptions(__argc, __argv);
        g_reportFile = options.reportFile;
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        RegisterClasses(instance);
        BuildDesktop(options, instance);
    } catch (const std::exception& error) {
        MessageBoxA(nullptr, error.what(), "Stand-in desktop", MB_ICONERROR);
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
