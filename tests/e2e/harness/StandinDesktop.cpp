#include "harness/StandinDesktop.h"

#include "harness/ProgramFolder.h"

#include "harness/Wait.h"

#include "StandinClass.h"
#include "StandinCommands.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace e2e {

namespace {

void WriteIconsFile(const std::string& path, const std::vector<Icon>& icons) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const Icon& icon : icons) {
        file << icon.x << '\t' << icon.y << '\t' << icon.text;
        if (!icon.fileName.empty()) {
            file << '\t' << icon.fileName;
        }
        file << '\n';
    }
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

struct Search {
    DWORD processId;
    bool foreignOnly;
    HWND top;
    HWND listView;
};

BOOL CALLBACK FindListView(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) {
        return TRUE;
    }
    if (search->foreignOnly) {
        HWND foreign = FindWindowExA(window, nullptr, "ForeignWindow", nullptr);
        search->top = foreign != nullptr ? window : nullptr;
        return foreign == nullptr;
    }
    HWND view = FindWindowExA(window, nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
    if (list == nullptr) {
        return TRUE;
    }
    search->top = window;
    search->listView = list;
    return FALSE;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 15000, &result)) {
        throw std::runtime_error("the stand-in desktop does not answer");
    }
    return static_cast<LRESULT>(result);
}

} // namespace

StandinDesktop::StandinDesktop(const Options& options)
    : folder_(TemporaryFolder("vevove-e2e-desktop")) {
    const std::string iconsFile = folder_ + "icons.txt";
    WriteIconsFile(iconsFile, options.icons);
    const std::string path = FolderOfThisProgram() + "StandinShell.exe";
    std::string commandLine =
        "\"" + path + "\" \"" + iconsFile + "\" --report \"" + folder_ + "report.txt\"";
    if (options.autoArrange) {
        commandLine += " --auto-arrange";
    }
    if (options.underWorkerW) {
        commandLine += " --workerw";
    }
    if (options.unicode) {
        commandLine += " --unicode";
    }
    const std::pair<bool, const char*> switches[] = {{options.folderView, " --folder-view"},
                                                     {options.workerwChild, " --workerw-child"},
                                                     {options.foreignChild, " --foreign-child"},
                                                     {options.foreignOnly, " --foreign-only"},
                                                     {options.announce, " --announce"}};
    for (const auto& [given, name] : switches) {
        if (given) {
            commandLine += name;
        }
    }
    if (options.callDelayMs > 0) {
        commandLine += " --call-delay " + std::to_string(options.callDelayMs);
    }
    if (!options.lateIcons.empty()) {
        const std::string lateIconsFile = folder_ + "late-icons.txt";
        WriteIconsFile(lateIconsFile, options.lateIcons);
        commandLine += " --late-icons \"" + lateIconsFile + "\" --late-after " +
                       std::to_string(options.lateAfterMs);
    }
    servesFolderView_ = options.folderView;
    if (servesFolderView_) {
        const std::string classId = NewStandinClassId();
        commandLine += " --clsid " + classId;
        PointShellWindowsAt(classId);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
        throw std::runtime_error("cannot start " + path);
    }
    Search search{info_.dwProcessId, options.foreignOnly, nullptr, nullptr};
    WaitUntil([&] {
        EnumWindows(FindListView, reinterpret_cast<LPARAM>(&search));
        return search.top != nullptr;
    });
    if (search.top == nullptr) {
        throw std::runtime_error("the stand-in desktop did not show its windows");
    }
    listView_ = search.listView;
    top_ = search.top;
    // A test starts once the desktop holds its icons, as a user finds it.
    const auto holdsItsIcons = [&] {
        DWORD_PTR count = 0;
        return listView_ == nullptr || (SendMessageTimeoutA(listView_, LVM_GETITEMCOUNT, 0, 0,
                                                            SMTO_ABORTIFHUNG, 1000, &count) != 0 &&
                                        count == options.icons.size());
    };
    if (!WaitUntil(holdsItsIcons)) {
        throw std::runtime_error("the stand-in desktop did not show its icons");
    }
}

// Closed as a desktop closes, so that it takes its class back; killed only
// when it does not end so.
StandinDesktop::~StandinDesktop() {
    PostMessageA(top_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    if (servesFolderView_) {
        PointShellWindowsAt("");
    }
}

std::vector<Icon> StandinDesktop::Icons() const {
    if (Send(top_, kStandinWriteReport, 0, 0) != 1) {
        throw std::runtime_error("the stand-in desktop wrote no report");
    }
    std::ifstream report(folder_ + "report.txt", std::ios::binary);
    std::vector<Icon> icons;
    std::string line;
    while (std::getline(report, line)) {
        std::istringstream fields(line);
        Icon icon;
        fields >> icon.x >> icon.y;
        const std::size_t text = line.find('\t', line.find('\t') + 1);
        icon.text = line.substr(text + 1);
        icons.push_back(icon);
    }
    return icons;
}

void StandinDesktop::Move(int item, int x, int y) const {
    Send(top_, kStandinMoveIcon, item, MAKELPARAM(x, y));
}

void StandinDesktop::Remove(int item) const {
    Send(top_, kStandinRemoveIcon, item, 0);
}

// Posted: sent, it would hold the test as long.
void StandinDesktop::Hang(DWORD milliseconds) const {
    PostMessageA(top_, kStandinHang, milliseconds, 0);
}

void StandinDesktop::HangAtStyleChange(DWORD milliseconds) const {
    Send(top_, kStandinHangAtStyleChange, milliseconds, 0);
}

void StandinDesktop::MoveInListViewOnly(int item, int x, int y) const {
    Send(listView_, LVM_SETITEMPOSITION, item, MAKELPARAM(x, y));
}

void StandinDesktop::Refresh() const {
    Send(top_, kStandinRefresh, 0, 0);
}

int StandinDesktop::ForeignMessages() const {
    return static_cast<int>(Send(top_, kStandinForeignMessages, 0, 0));
}

int StandinDesktop::LiveComObjects() const {
    return static_cast<int>(Send(top_, kStandinLiveComObjects, 0, 0));
}

void StandinDesktop::RejectNextCall() const {
    Send(top_, kStandinRejectNextCall, 0, 0);
}

int StandinDesktop::RejectedCalls() const {
    return static_cast<int>(Send(top_, kStandinRejectedCalls, 0, 0));
}

int StandinDesktop::OnePageBlocks() const {
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    int blocks = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* at = static_cast<BYTE*>(system.lpMinimumApplicationAddress);
         at < system.lpMaximumApplicationAddress &&
         VirtualQueryEx(info_.hProcess, at, &region, sizeof region) == sizeof region;
         at = static_cast<BYTE*>(region.BaseAddress) + region.RegionSize) {
        if (region.State != MEM_COMMIT || region.Type != MEM_PRIVATE ||
            region.Protect != PAGE_READWRITE || region.BaseAddress != region.AllocationBase ||
            region.RegionSize != system.dwPageSize) {
            continue;
        }
        MEMORY_BASIC_INFORMATION next{};
        VirtualQueryEx(info_.hProcess, at + region.RegionSize, &next, sizeof next);
        blocks += next.AllocationBase != region.AllocationBase ? 1 : 0;
    }
    return blocks;
}

std::string ToString(const std::vector<Icon>& icons) {
    std::string text;
    for (const Icon& icon : icons) {
        text += icon.text + "=" + std::to_string(icon.x) + "," + std::to_string(icon.y) + " ";
    }
    return text;
}

} // namespace e2e
