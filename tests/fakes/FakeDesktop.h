// The top-level windows and the desktop shell that owns them: a window tree
// of classes and owners as FindWindowA and FindWindowExA search it, the
// shell's process, and its list view of desktop icons.
#pragma once

#include "platform/Platform.h"
#include "tests/fakes/FakeListView.h"
#include "tests/fakes/FakeShellProcess.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vevove::fake {

class FakeDesktop {
  public:
    FakeDesktop() = default;
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    FakeShellProcess process;
    FakeListView listView{process};

    // A window of another program; a zero parent makes it top-level.
    WindowHandle addWindow(const std::string& className, WindowHandle parent,
                           std::uint32_t processId);
    // The shell as Windows 7 builds it: "Progman", its "SHELLDLL_DefView",
    // its "SysListView32", the list view answering as listView. Returns the
    // list view's window.
    WindowHandle startShell();
    // The same tree under a "WorkerW" window, after an empty "WorkerW" and a
    // "Progman" without children, as Windows 10 leaves it.
    WindowHandle startShellUnderWorkerW();
    WindowHandle listViewWindow() const { return listViewWindow_; }

    // FindWindowExA: the first child of `parent` (the top-level windows for
    // 0) after `after`, of the class when one is given.
    WindowHandle findChild(WindowHandle parent, WindowHandle after,
                           const std::string& className) const;
    std::uint32_t processOf(WindowHandle window) const;

  private:
    struct Window {
        WindowHandle handle;
        std::string className;
        WindowHandle parent;
        std::uint32_t processId;
    };

    WindowHandle addShellTree(WindowHandle top);

    std::vector<Window> windows_; // in z-order, first on top
    WindowHandle next_ = 0x10010;
    WindowHandle listViewWindow_ = 0;
};

} // namespace vevove::fake
