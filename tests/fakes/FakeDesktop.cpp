#include "tests/fakes/FakeDesktop.h"

#include "tests/fakes/FakeCodePage.h"

namespace vevove::fake {

WindowHandle FakeDesktop::addWindow(const std::string& className, WindowHandle parent,
                                    std::uint32_t processId) {
    const WindowHandle handle = next_;
    next_ += 0x12;
    windows_.push_back(Window{handle, className, parent, processId});
    return handle;
}

WindowHandle FakeDesktop::addShellTree(WindowHandle top) {
    const WindowHandle view = addWindow("SHELLDLL_DefView", top, process.id);
    listViewWindow_ = addWindow("SysListView32", view, process.id);
    return listViewWindow_;
}

WindowHandle FakeDesktop::startShell() {
    return addShellTree(addWindow("Progman", 0, process.id));
}

WindowHandle FakeDesktop::startShellUnderWorkerW() {
    addWindow("Progman", 0, process.id);
    addWindow("WorkerW", 0, process.id);
    return addShellTree(addWindow("WorkerW", 0, process.id));
}

WindowHandle FakeDesktop::findChild(WindowHandle parent, WindowHandle after,
                                    const std::string& className) const {
    bool passed = after == 0;
    for (const Window& window : windows_) {
        if (window.parent != parent) {
            continue;
        }
        if (!passed) {
            passed = window.handle == after;
            continue;
        }
        if (className.empty() || AsciiLower(className) == AsciiLower(window.className)) {
            return window.handle;
        }
    }
    return 0;
}

std::uint32_t FakeDesktop::processOf(WindowHandle window) const {
    for (const Window& entry : windows_) {
        if (entry.handle == window) {
            return entry.processId;
        }
    }
    return 0;
}

} // namespace vevove::fake
