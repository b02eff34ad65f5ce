#include "icons/IconCommand.h"

#include "app/Errors.h"
#include "icons/DesktopListView.h"

namespace vevove {

namespace {

// Records for a process wider than ours could not carry its addresses.
const ListViewLayout& ShellLayout(Platform& os, Handle process) {
    int bits = 0;
    if (!os.processPointerBits(process, bits)) {
        RaiseLastSystemError(os);
    }
    if (bits > os.ownPointerBits()) {
        throw Error(ErrorKind::Unsupported, kShellTooWideText);
    }
    return ListViewLayoutFor(bits);
}

// On the way out of a failed walk: the walk's error is the one to report.
void ReleaseAfterFailure(Platform& os, RemoteBuffer& buffer) {
    try {
        CloseRemoteBuffer(os, buffer);
    } catch (const Error&) {
    }
}

} // namespace

void RunIconCommand(Platform& os, RemoteBuffer& buffer, const IconWalk& walk) {
    const WindowHandle listView = FindDesktopListView(os);
    if (listView == 0) {
        return;
    }
    const std::uint32_t processId = os.windowProcessId(listView);
    if (processId == 0) {
        return;
    }
    const RemoteAddress block = OpenRemoteBuffer(os, buffer, processId, kRemoteBlockSize);
    try {
        walk(listView, block, ShellLayout(os, buffer.process));
    } catch (...) {
        ReleaseAfterFailure(os, buffer);
        throw;
    }
    CloseRemoteBuffer(os, buffer);
}

} // namespace vevove
