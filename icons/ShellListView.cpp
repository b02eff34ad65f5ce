#include "ShellListView.h"

#include "DesktopListView.h"
#include "Errors.h"

namespace vevove {

namespace {

constexpr const char* kNoAnswerText = "Der Desktop antwortet nicht";

// Records for a process wider than ours could not carry its addresses.
const ListViewLayout& ShellLayout(RemoteMemory& memory, const RemoteBlock& block) {
    if (block.pointerBits() > memory.OwnPointerBits()) {
        throw Error(ErrorKind::Unsupported,
                    "Die Desktop-Symbole einer 64-Bit-Shell erreicht nur das 64-Bit-Programm");
    }
    return ListViewLayoutFor(block.pointerBits());
}

// A list view that has answered has handled every message sent to it
// before, so nothing it may still use is released under it. A window that
// is gone, or now belongs to another process, handles nothing any more. The
// block's release is the shell's business from here on: a failure to release
// it stays quiet, as the command that left it has reported its own error.
bool ReleasePending(Desktop& desktop) {
    if (!desktop.pending) {
        return true;
    }
    const PendingRelease& pending = *desktop.pending;
    if (desktop.windows.ProcessId(pending.window) == pending.processId) {
        if (!desktop.windows.Send(pending.window, kLvmGetItemCount, 0, 0)) {
            return false;
        }
        if (pending.style) {
            desktop.windows.SetStyle(pending.window, *pending.style);
        }
    }
    desktop.memory.Close(pending.block);
    desktop.pending.reset();
    return true;
}

} // namespace

ShellListView::ShellListView(Desktop& desktop, WindowId window, std::uint32_t processId,
                             RemoteBlock& block)
    : desktop_(desktop), window_(window), processId_(processId), block_(block),
      layout_(ShellLayout(desktop.memory, block)) {}

std::int64_t ShellListView::Send(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) {
    const std::optional<std::int64_t> answer =
        desktop_.windows.Send(window_, message, wParam, lParam);
    if (!answer) {
        desktop_.pending = PendingRelease{window_, processId_, block_.Abandon(), styleToPutBack_};
        throw Error(ErrorKind::System, kNoAnswerText);
    }
    return *answer;
}

void ShellListView::SetStyleUntilPutBack(std::int32_t style, std::int32_t putBack) {
    styleToPutBack_ = putBack;
    desktop_.windows.SetStyle(window_, style);
}

void ShellListView::PutStyleBack() {
    if (styleToPutBack_) {
        desktop_.windows.SetStyle(window_, *styleToPutBack_);
        styleToPutBack_.reset();
    }
}

void ReleaseWhenAnswered(Desktop& desktop) {
    ReleasePending(desktop);
}

void WalkDesktopListView(Desktop& desktop, const std::function<void(ShellListView&)>& walk) {
    if (!ReleasePending(desktop)) {
        throw Error(ErrorKind::System, kNoAnswerText);
    }
    const WindowId window = FindDesktopListView(desktop.windows);
    if (window == 0) {
        return;
    }
    const std::uint32_t processId = desktop.windows.ProcessId(window);
    if (processId == 0) {
        return;
    }
    RemoteBlock block(desktop.memory, processId, kRemoteBlockSize);
    ShellListView listView(desktop, window, processId, block);
    walk(listView);
    block.Close();
}

} // namespace vevove
