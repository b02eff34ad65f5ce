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

// The GUIDs of the shell's headers (SID_STopLevelBrowser) are defined here:
// the bench links no libuuid.
#include <initguid.h>

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

constexpr char kKey[] = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr char kOptionsKey[] = "Software\\VUD\\Vevove";
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

// Sent, not posted: the call returns once the click handler is done.
void ClickAndWait(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

struct Paths {
    std::string vevove;
    std::string standin;
    std::string folder;
    Desktop kind = Desktop::Ansi;
};

void Measure(const Paths& paths, int count) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    Standin desktop(paths.standin, WriteIcons(paths.folder, count), paths.kind);
    LaunchedProgram program(paths.vevove);
    HWND main = program.waitForWindow(30000, "Vevove");
    HWND save = Button(main, "Save Icons");
    HWND restore = Button(main, "Restore Icons");
    // Each figure is the best of three, which keeps out the noise of other
    // processes; the three rounds take floor, save and restore in turn, so
    // that a busy moment of the machine weighs on all three alike. Each
    // measurement starts from a quiet desktop: Vevove settles after its first
    // show, and the stand-in and the system go on working for a while after
    // each command. Each save starts from an empty key, so that it writes
    // every value.
    double floor = 1e300;
    double saved = 1e300;
    double restored = 1e300;
    const auto settledTimeUs = [](const std::function<void()>& action) {
        Sleep(kSettleMs);
        return TimeUs(action);
    };
    for (int round = 0; round < 3; ++round) {
        floor = std::min(floor, settledTimeUs([&] {
                             for (int i = 0; i < count; ++i) {
                                 SendMessageA(desktop.listView(), LVM_GETITEMCOUNT, 0, 0);
                             }
                         }));
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        saved = std::min(saved, settledTimeUs([&] { ClickAndWait(save); }));
        restored = std::min(restored, settledTimeUs([&] { ClickAndWait(restore); }));
    }
    std::printf("icons %d floor_us %.1f save_us %.1f restore_us %.1f\n", count, floor / count,
                saved / count, restored / count);
    std::fflush(stdout);
    program.close(10000);
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
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    Standin desktop(paths.standin, WriteIcons(paths.folder, count), paths.kind);
    LaunchedProgram program(paths.vevove);
    HWND main = program.waitForWindow(30000, "Vevove");
    HWND save = Button(main, "Save Icons");
    HWND restore = Button(main, "Restore Icons");
    const auto cycle = [&] {
        ClickAndWait(save);
        ClickAndWait(restore);
    };
    for (int i = 0; i < 10; ++i) {
        cycle();
    }
    const Usage shellBefore = UsageOf(desktop.process());
    const Usage vevoveBefore = UsageOf(program.process());
    for (int i = 0; i < cycles; ++i) {
        cycle();
    }
    PrintSoak("standin", shellBefore, UsageOf(desktop.process()));
    PrintSoak("vevove", vevoveBefore, UsageOf(program.process()));
    std::printf("soak_cycles %d soak_icons %d\n", cycles, count);
    std::fflush(stdout);
    program.close(10000);
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

// Vevove with the option on and 1024 x 768 stored; the display goes to
// 800 x 600 and back, as after a game, while the icons stand elsewhere.
void MeasureAutomaticRestore(const Paths& paths, int count) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
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
    ClickAndWait(Button(main, "Save Icons"));
    const std::string saved = desktop.Report(report);
    std::vector<double> automatic;
    std::vector<double> click;
    for (int round = 0; round < 5; ++round) {
        desktop.Scramble(count);
        Sleep(kSettleMs);
        click.push_back(TimeUs([&] { ClickAndWait(Button(main, "Restore Icons")); }) / 1000);
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
    RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
    DeleteFileA(kSettingsFile);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--automatic" && argc == 5) {
        try {
            MeasureAutomaticRestore({argv[2], argv[3], argv[4], Desktop::Ansi}, 50);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "IconsBench: %s\n", error.what());
            return 1;
        }
        return 0;
    }
    const Desktop kind = mode == "--unicode"       ? Desktop::Unicode
                         : mode == "--folder-view" ? Desktop::FolderView
                                                   : Desktop::Ansi;
    const int first = kind == Desktop::Ansi ? 1 : 2;
    if (argc < first + 6) {
        std::fprintf(stderr, "usage: IconsBench [--unicode | --folder-view] VEVOVE STANDIN FOLDER "
                             "SOAK-CYCLES SOAK-ICONS N...\n"
                             "       IconsBench --automatic VEVOVE STANDIN FOLDER\n");
        return 2;
    }
    const Paths paths{argv[first], argv[first + 1], argv[first + 2], kind};
    try {
        for (int i = first + 5; i < argc; ++i) {
            Measure(paths, std::max(1, std::atoi(argv[i])));
        }
        const int cycles = std::atoi(argv[first + 3]);
        if (cycles > 0) {
            Soak(paths, cycles, std::max(1, std::atoi(argv[first + 4])));
        }
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "IconsBench: %s\n", error.what());
        return 1;
    }
    return 0;
}
