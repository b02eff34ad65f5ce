// Times Vevove's "Save Icons" and "Restore Icons" against the stand-in desktop
// holding N icons, each per icon and as a ratio to the floors measured in the
// same run: one bare message round trip to the shell's list view
// (LVM_GETITEMCOUNT) per icon and, through the folder view, one bare COM round
// trip to it (IFolderView::ItemCount) per icon, made from this process as
// Vevove makes its calls, from a single-threaded apartment. Then a soak of
// save/restore cycles, reading the private bytes and handle counts of both
// processes before and after.
// With --unicode the stand-in runs as a real desktop does: a Unicode list view
// whose texts its shell view supplies on request; with --folder-view it also
// serves the desktop's folder view, which Vevove then takes.
//
//   IconsBench [--unicode | --folder-view] VEVOVE STANDIN FOLDER SOAK-CYCLES SOAK-ICONS N...
//   IconsBench --fixed-cost VEVOVE STANDIN FOLDER
//   IconsBench --automatic VEVOVE STANDIN FOLDER
//
// prints "icons N floor_us F [com_us C] save_us S restore_us R look_us L" per
// N (com_us through the folder view alone; look_us is the mean time between
// two looks at a button, the resolution of the command times) and
// "soak PROCESS private_before B private_after A handles_before H handles_after K".
// With --fixed-cost it times the fixed cost of a command instead: a "Restore
// Icons" of the folder view's one icon, the first of a burst (Vevove opens
// the desktop) and one within a burst, against both floors, and prints
// "command icons 1 floor_us F com_us C first_restore_us X restore_us R look_us L".
// With --automatic it times "Restore icons automatically" instead: from the
// moment another program puts the display back to the stored resolution to
// the moment the stand-in's icons are all back, against a "Restore Icons"
// click on the same icons, each the median of five, and prints
// "automatic icons N display_return_ms D restore_click_ms C".
#include "LaunchedProgram.h"
#include "StandinClass.h"
#include "StandinCommands.h"

// The GUIDs of the shell's services (SID_STopLevelBrowser) are defined here:
// the bench links no libuuid.
#include <initguid.h>

#include <shlguid.h>

#include <commctrl.h>
#include <exdisp.h>
#include <psapi.h>
#include <shlobj.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

constexpr char kKey[] = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr char kOptionsKey[] = "Software\\VUD\\Vevove";
// Beside the options, the layouts that Vevove keeps of each display setup.
constexpr char kLayoutsKey[] = "Software\\VUD\\Vevove\\Layouts";
constexpr char kSettingsFile[] = "C:\\ProgramData\\ScrDef.ini";
constexpr DWORD kSettleMs = 1500;
// Vevove keeps the desktop open for three seconds after a command, then lets
// it go: a command after this pause opens it anew.
constexpr DWORD kBurstOverMs = 4000;
constexpr double kCommandTimeoutUs = 60e6;
// The round trips of each floor for the fixed cost of a command.
constexpr int kFloorCalls = 250;

enum class Desktop { Ansi, Unicode, FolderView };

double NowUs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double TimeUs(const std::function<void()>& action) {
    const double start = NowUs();
    action();
    return NowUs() - start;
}

// Nothing saved, neither in the layout key nor beside the options, so that a
// save writes every value.
void ForgetLayouts() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kLayoutsKey);
}

// N icons on a grid of 75 x 80 pixels, 40 to a column.
std::string WriteIcons(const std::string& folder, int count) {
    const std::string path = folder + "\\icons-" + std::to_string(count) + ".txt";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < count; ++i) {
        file << 20 + 75 * (i / 40) << '\t' << 10 + 80 * (i % 40) << "\tIcon " << i << '\n';
    }
    return path;
}

class Standin {
  public:
    Standin(const std::string& program, const std::string& icons, Desktop kind,
            const std::string& report = "") {
        std::string commandLine = "\"" + program + "\" \"" + icons + "\"";
        if (!report.empty()) {
            commandLine += " --report \"" + report + "\"";
        }
        if (kind == Desktop::Unicode) {
            commandLine += " --unicode";
        } else if (kind == Desktop::FolderView) {
            const std::string classId = NewStandinClassId();
            commandLine += " --unicode --folder-view --clsid " + classId;
            PointShellWindowsAt(classId);
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &info_)) {
            throw std::runtime_error("cannot start " + program);
        }
        for (int tries = 0; tries < 300 && listView_ == nullptr; ++tries) {
            Sleep(50);
            HWND top = FindWindowA("Progman", nullptr);
            HWND view = top ? FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
            listView_ = view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
        }
        if (listView_ == nullptr) {
            throw std::runtime_error("the stand-in desktop did not show");
        }
    }
    // Closed as a desktop closes, so that it takes its class back.
    ~Standin() {
        PostMessageA(GetAncestor(listView_, GA_ROOT), WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(info_.hProcess, 0);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        PointShellWindowsAt("");
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Standin(const Standin&) = delete;
    Standin& operator=(const Standin&) = delete;

    HWND listView() const { return listView_; }
    HANDLE process() const { return info_.hProcess; }
    // The report of the icons' places (--report), as the stand-in writes it.
    std::string Report(const std::string& report) const {
        SendMessageA(GetAncestor(listView_, GA_ROOT), kStandinWriteReport, 0, 0);
        std::ifstream file(report, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // Every icon to the right, one below the other, as a display change does.
    void Scramble(int count) const {
        for (int i = 0; i < count; ++i) {
            SendMessageA(GetAncestor(listView_, GA_ROOT), kStandinMoveIcon, i,
                         MAKELPARAM(600 + 20 * (i % 2), 10 + 8 * i));
        }
    }

  private:
    PROCESS_INFORMATION info_{};
    HWND listView_ = nullptr;
};

HWND Button(HWND main, const char* caption) {
    HWND button = main ? FindWindowExA(main, nullptr, "Button", caption) : nullptr;
    if (button == nullptr) {
        throw std::runtime_error(std::string("no \"") + caption + "\" button");
    }
    return button;
}

// Times an icon command from its click to its end. The click returns once
// Vevove has handed the command to its desktop worker and disabled the icon
// buttons; the command has ended when its button is enabled again. Wine
// reports no change of a window's enabled state (EVENT_OBJECT_STATECHANGE), so
// the button is looked at again and again, giving way to the other threads in
// between; the mean time between two looks is the resolution of the times.
class CommandClock {
  public:
    double ClickUs(HWND button) {
        const double start = NowUs();
        SendMessageA(button, BM_CLICK, 0, 0);
        const double handedOver = NowUs();
        while (!LookEnabled(button)) {
            if (NowUs() - start > kCommandTimeoutUs) {
                throw std::runtime_error("a command did not end in time");
            }
            SwitchToThread();
        }
        const double end = NowUs();
        lookingUs_ += end - handedOver;
        return end - start;
    }
    double LookUs() const { return looks_ == 0 ? 0 : lookingUs_ / static_cast<double>(looks_); }

  private:
    bool LookEnabled(HWND button) {
        ++looks_;
        return IsWindowEnabled(button) != FALSE;
    }

    double lookingUs_ = 0;
    long looks_ = 0;
};

// The smallest of the values taken.
class Best {
  public:
    void Take(double value) { value_ = std::min(value_, value); }
    double value() const { return value_; }

  private:
    double value_ = 1e300;
};

struct Paths {
    std::string vevove;
    std::string standin;
    std::string folder;
    Desktop kind = Desktop::Ansi;
};

// The stand-in desktop with `count` icons and Vevove on it, which closes
// first.
struct Session {
    Session(const Paths& paths, int count, const std::string& report = "")
        : desktop(paths.standin, WriteIcons(paths.folder, count), paths.kind, report),
          program(paths.vevove), main(program.waitForWindow(30000, "Vevove")),
          save(Button(main, "Save Icons")), restore(Button(main, "Restore Icons")) {}

    Standin desktop;
    LaunchedProgram program;
    HWND main;
    HWND save;
    HWND restore;
};

// The calling thread's single-threaded apartment, as Vevove's desktop worker
// has one.
class Apartment {
  public:
    Apartment() {
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
            throw std::runtime_error("no COM apartment");
        }
    }
    ~Apartment() { CoUninitialize(); }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
};

// The stand-in desktop's folder view, reached as Vevove reaches it
// (StandinFolderView.h).
ComPtr<IFolderView> DesktopFolderView() {
    ComPtr<IShellWindows> windows;
    VARIANT desktop{};
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT none{};
    long window = 0;
    ComPtr<IDispatch> dispatch;
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> shellView;
    ComPtr<IFolderView> view;
    if (FAILED(CoCreateInstance(__uuidof(ShellWindows), nullptr, CLSCTX_LOCAL_SERVER,
                                IID_PPV_ARGS(&windows))) ||
        windows->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                              &dispatch) != S_OK ||
        dispatch == nullptr || FAILED(dispatch.As(&services)) ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&browser))) ||
        FAILED(browser->QueryActiveShellView(&shellView)) || shellView == nullptr ||
        FAILED(shellView.As(&view))) {
        throw std::runtime_error("the stand-in's folder view cannot be reached");
    }
    return view;
}

// Per call: `calls` bare message round trips to the shell's list view.
double MessageFloorUs(HWND listView, int calls) {
    return TimeUs([&] {
               for (int i = 0; i < calls; ++i) {
                   SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0);
               }
           }) /
           calls;
}

// Per call: `calls` bare COM round trips to the desktop's folder view.
double ComFloorUs(IFolderView& view, int calls) {
    return TimeUs([&] {
               int items = 0;
               for (int i = 0; i < calls; ++i) {
                   if (FAILED(view.ItemCount(SVGIO_ALLVIEW, &items))) {
                       throw std::runtime_error("the folder view does not count its items");
                   }
               }
           }) /
           calls;
}

// Each figure is the best of three, which keeps out the noise of other
// processes; the three rounds take the floors, save and restore in turn, so
// that a busy moment of the machine weighs on all alike. Each measurement
// starts from a quiet desktop: Vevove settles after its first show, and the
// stand-in and the system go on working for a while after each command. The
// save and the restore are timed within a burst, with the desktop open: an
// untimed save opens it first. Each timed save starts from nothing saved, so
// that it writes every value.
void Measure(const Paths& paths, int count) {
    ForgetLayouts();
    Session session(paths, count);
    const ComPtr<IFolderView> view =
        paths.kind == Desktop::FolderView ? DesktopFolderView() : nullptr;
    CommandClock clock;
    Best floor;
    Best com;
    Best saved;
    Best restored;
    for (int round = 0; round < 3; ++round) {
        Sleep(kSettleMs);
        floor.Take(MessageFloorUs(session.desktop.listView(), count));
        if (view) {
            Sleep(kSettleMs);
            com.Take(ComFloorUs(*view.Get(), count));
        }
        clock.ClickUs(session.save);
        ForgetLayouts();
        Sleep(kSettleMs);
        saved.Take(clock.ClickUs(session.save));
        Sleep(kSettleMs);
        restored.Take(clock.ClickUs(session.restore));
    }
    std::printf("icons %d floor_us %.1f", count, floor.value());
    if (view) {
        std::printf(" com_us %.1f", com.value());
    }
    std::printf(" save_us %.1f restore_us %.1f look_us %.2f\n", saved.value() / count,
                restored.value() / count, clock.LookUs());
    std::fflush(stdout);
}

// The fixed cost of a command: a "Restore Icons" of the folder view's one
// icon, the first of a burst, for which Vevove opens the desktop, and one
// within a burst, each the best of three, against both floors.
void MeasureFixedCost(const Paths& paths) {
    ForgetLayouts();
    Session session(paths, 1);
    const ComPtr<IFolderView> view = DesktopFolderView();
    CommandClock clock;
    clock.ClickUs(session.save);
    Best floor;
    Best com;
    Best first;
    Best within;
    for (int round = 0; round < 3; ++round) {
        Sleep(kSettleMs);
        floor.Take(MessageFloorUs(session.desktop.listView(), kFloorCalls));
        Sleep(kSettleMs);
        com.Take(ComFloorUs(*view.Get(), kFloorCalls));
        Sleep(kBurstOverMs);
        first.Take(clock.ClickUs(session.restore));
        Sleep(kSettleMs);
        within.Take(clock.ClickUs(session.restore));
    }
    std::printf("command icons 1 floor_us %.1f com_us %.1f first_restore_us %.1f restore_us %.1f "
                "look_us %.2f\n",
                floor.value(), com.value(), first.value(), within.value(), clock.LookUs());
    std::fflush(stdout);
}

struct Usage {
    SIZE_T privateBytes = 0;
    DWORD handles = 0;
};

// Wine answers GetProcessHandleCount only for the calling process; the
// system's handle table counts the handles of any process.
DWORD HandleCount(DWORD processId) {
    using QuerySystemInformation = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    struct Entry {
        ULONG ownerPid;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        void* object;
        ACCESS_MASK access;
    };
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    while (query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) ==
           static_cast<LONG>(0xC0000004)) {
        buffer.resize(buffer.size() * 2);
    }
    const ULONG count = *reinterpret_cast<ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(void*));
    DWORD owned = 0;
    for (ULONG i = 0; i < count; ++i) {
        owned += entries[i].ownerPid == processId ? 1 : 0;
    }
    return owned;
}

Usage UsageOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters)) {
        std::fprintf(stderr, "GetProcessMemoryInfo: %lu\n", GetLastError());
    }
    Usage usage;
    // Wine leaves PrivateUsage at 0 for other processes; PagefileUsage is the
    // same figure on Windows.
    usage.privateBytes = counters.PagefileUsage;
    usage.handles = HandleCount(GetProcessId(process));
    return usage;
}

void PrintSoak(const char* name, const Usage& before, const Usage& after) {
    std::printf("soak %s private_before %lu private_after %lu handles_before %lu "
                "handles_after %lu\n",
                name, static_cast<unsigned long>(before.privateBytes),
                static_cast<unsigned long>(after.privateBytes),
                static_cast<unsigned long>(before.handles),
                static_cast<unsigned long>(after.handles));
}

// A few cycles first, so that what is allocated once is in the figures
// before.
void Soak(const Paths& paths, int cycles, int count) {
    ForgetLayouts();
    Session session(paths, count);
    CommandClock clock;
    const auto cycle = [&] {
        clock.ClickUs(session.save);
        clock.ClickUs(session.restore);
    };
    for (int i = 0; i < 10; ++i) {
        cycle();
    }
    const Usage shellBefore = UsageOf(session.desktop.process());
    const Usage vevoveBefore = UsageOf(session.program.process());
    for (int i = 0; i < cycles; ++i) {
        cycle();
    }
    PrintSoak("standin", shellBefore, UsageOf(session.desktop.process()));
    PrintSoak("vevove", vevoveBefore, UsageOf(session.program.process()));
    std::printf("soak_cycles %d soak_icons %d\n", cycles, count);
    std::fflush(stdout);
}

void SetScreen(DWORD width, DWORD height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    if (ChangeDisplaySettingsA(&mode, 0) != DISP_CHANGE_SUCCESSFUL) {
        throw std::runtime_error("the display refused a mode");
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Vevove with the option on and the layout of the 1024 x 768 setup saved; the
// display goes to 800 x 600, a setup without a layout, and back, as after a
// game, while the icons stand elsewhere.
void MeasureAutomaticRestore(const Paths& paths, int count) {
    ForgetLayouts();
    HKEY options = nullptr;
    const DWORD on = 1;
    RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &options,
                    nullptr);
    RegSetValueExA(options, "RestoreIconsAutomatically", 0, REG_DWORD,
                   reinterpret_cast<const BYTE*>(&on), sizeof on);
    RegCloseKey(options);
    WriteFile(kSettingsFile, "1024\r\n768\r\nmanual\r\n");
    const std::string report = paths.folder + "\\report.txt";
    Standin desktop(paths.standin, WriteIcons(paths.folder, count), paths.kind, report);
    LaunchedProgram program(paths.vevove);
    HWND main = program.waitForWindow(30000, "Vevove");
    CommandClock clock;
    clock.ClickUs(Button(main, "Save Icons"));
    const std::string saved = desktop.Report(report);
    std::vector<double> automatic;
    std::vector<double> click;
    for (int round = 0; round < 5; ++round) {
        desktop.Scramble(count);
        Sleep(kSettleMs);
        click.push_back(clock.ClickUs(Button(main, "Restore Icons")) / 1000);
        desktop.Scramble(count);
        Sleep(kSettleMs);
        SetScreen(800, 600);
        SetScreen(1024, 768);
        const double back = NowUs();
        while (desktop.Report(report) != saved && NowUs() - back < 15e6) {
            Sleep(10);
        }
        automatic.push_back((NowUs() - back) / 1000);
    }
    std::printf("automatic icons %d display_return_ms %.0f restore_click_ms %.1f\n", count,
                Median(automatic), Median(click));
    std::fflush(stdout);
    program.close(10000);
    RegDeleteTreeA(HKEY_CURRENT_USER, kOptionsKey);
    DeleteFileA(kSettingsFile);
}

// Throws std::runtime_error when a measurement fails; 2 for a wrong command
// line.
int Run(int argc, char** argv) {
    const Apartment apartment;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--automatic" && argc == 5) {
        MeasureAutomaticRestore({argv[2], argv[3], argv[4], Desktop::Ansi}, 50);
        return 0;
    }
    if (mode == "--fixed-cost" && argc == 5) {
        MeasureFixedCost({argv[2], argv[3], argv[4], Desktop::FolderView});
        return 0;
    }
    const Desktop kind = mode == "--unicode"       ? Desktop::Unicode
                         : mode == "--folder-view" ? Desktop::FolderView
                                                   : Desktop::Ansi;
    const int first = kind == Desktop::Ansi ? 1 : 2;
    if (argc < first + 6) {
        std::fprintf(stderr, "usage: IconsBench [--unicode | --folder-view] VEVOVE STANDIN FOLDER "
                             "SOAK-CYCLES SOAK-ICONS N...\n"
                             "       IconsBench --fixed-cost VEVOVE STANDIN FOLDER\n"
                             "       IconsBench --automatic VEVOVE STANDIN FOLDER\n");
        return 2;
    }
    const Paths paths{argv[first], argv[first + 1], argv[first + 2], kind};
    for (int i = first + 5; i < argc; ++i) {
        Measure(paths, std::max(1, std::atoi(argv[i])));
    }
    const int cycles = std::atoi(argv[first + 3]);
    if (cycles > 0) {
        Soak(paths, cycles, std::max(1, std::atoi(argv[first + 4])));
    }
    ForgetLayouts();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "IconsBench: %s\n", error.what());
        return 1;
    }
}
