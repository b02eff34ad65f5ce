// The stand-in desktop shell (StandinShell.exe from the folder of the test
// program) running with the icons a test gives it, and what it shows: the
// icons' texts and positions as its list view holds them, read through the
// report it writes on request. The texts are in the ANSI code page, or in
// UTF-8 with `unicode`, where the stand-in runs as a real desktop does: a
// Unicode list view whose texts its shell view supplies on request.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct Icon {
    int x = 0;
    int y = 0;
    std::string text;

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
    // How many allocations of exactly one committed read-write page it holds,
    // as the block is that Vevove places in it: each block left adds one.
    int OnePageBlocks() const;

  private:
    std::string folder_;
    PROCESS_INFORMATION info_{};
    HWND top_ = nullptr;
    HWND listView_ = nullptr;
};

std::string ToString(const std::vector<Icon>& icons);

} // namespace e2e
