// The stand-in desktop shell (StandinShell.exe from the folder of the test
// program) running with the icons a test gives it, and what it shows: the
// icons' texts and positions as its list view holds them, read through the
// report it writes on request. The texts are in the ANSI code page, or in
// UTF-8 with `unicode`, where the stand-in runs as a real desktop does: a
// Unicode list view whose texts its shell view supplies on request. With
// `folderView` it also serves the desktop's folder view over COM, with an
// icon manager of its own as Windows 10 1809 and later have; the test prefix
// then points CLSID_ShellWindows at it. Its calls can be made slow, and one
// of them turned away as a busy desktop turns it away. Icons can come onto it
// a while after it has started, as a program's icons do while it installs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct Icon {
    int x = 0;
    int y = 0;
    std::string text;
    // The name in its folder, for the folder view; the text when empty.
    std::string fileName{};

    bool operator==(const Icon& other) const {
        return x == other.x && y == other.y && text == other.text;
    }
};

class StandinDesktop {
  public:
    struct Options {
        std::vector<Icon> icons;
        bool autoArrange = false;
        bool underWorkerW = false;
        bool unicode = false;
        bool folderView = false;
        // Windows 11 24H2: a "WorkerW" before the view under "Progman".
        bool workerwChild = false;
        // Another program's window under "Progman": before the view, or alone.
        bool foreignChild = false;
        bool foreignOnly = false;
        // Broadcasts "TaskbarCreated" once built, as a restarted Explorer does.
        bool announce = false;
        // Each call to the folder view answers that many milliseconds late.
        DWORD callDelayMs = 0;
        // Icons added lateAfterMs after the desktop is built (and announced),
        // after the others, to the list view and the folder view alike.
        std::vector<Icon> lateIcons{};
        DWORD lateAfterMs = 0;
    };

    // Starts the shell and waits for its list view; throws std::runtime_error
    // when it does not show in time.
    explicit StandinDesktop(const Options& options);
    ~StandinDesktop();

    StandinDesktop(const StandinDesktop&) = delete;
    StandinDesktop& operator=(const StandinDesktop&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }
    HWND listView() const { return listView_; }

    // Every icon, in item order.
    std::vector<Icon> Icons() const;
    void Move(int item, int x, int y) const;
    void Remove(int item) const;
    // The stand-in stops answering messages for that long, from now on.
    void Hang(DWORD milliseconds) const;
    // ... for that long when its list view's style next changes.
    void HangAtStyleChange(DWORD milliseconds) const;
    // Sets the icon's position in the list view alone, as another process's
    // list-view message does; a folder view's icon manager does not learn it.
    void MoveInListViewOnly(int item, int x, int y) const;
    // Every icon back where the folder view's icon manager has it (F5).
    void Refresh() const;
    // The list-view and style messages that the foreign window has had.
    int ForeignMessages() const;
    // The folder view's COM objects still alive.
    int LiveComObjects() const;
    // The next call to the folder view's objects is turned away unrun: its
    // caller gets RPC_E_CALL_REJECTED.
    void RejectNextCall() const;
    // The calls turned away so far.
    int RejectedCalls() const;
    // How many allocations of exactly one committed read-write page it holds,
    // as the block is that Vevove places in it: each block left adds one.
    int OnePageBlocks() const;

  private:
    std::string folder_;
    bool servesFolderView_ = false;
    PROCESS_INFORMATION info_{};
    HWND top_ = nullptr;
    HWND listView_ = nullptr;
};

std::string ToString(const std::vector<Icon>& icons);

} // namespace e2e
