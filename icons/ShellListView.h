// The frame of both icon commands: release what an earlier command left with
// the shell, find the desktop's list view, open a block in its process, run
// the command's walk over the icons, release the block.
#pragma once

#include "IconCommands.h"
#include "ListViewRecords.h"
#include "RemoteBlock.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace vevove {

// The desktop's list view as a walk reaches it: its window, the block in
// its process and the layout in which that process reads records.
class ShellListView {
  public:
    ShellListView(Desktop& desktop, WindowId window, std::uint32_t processId, RemoteBlock& block);

    ShellWindows& windows() { return desktop_.windows; }
    WindowId window() const { return window_; }
    RemoteBlock& block() { return block_; }
    const ListViewLayout& layout() const { return layout_; }

    // The list view's answer. Without one, the block and the style to put
    // back are left to the desktop's pending release, and the error that the
    // desktop does not answer is raised.
    std::int64_t Send(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam);
    // Sets the style, to be put back as `putBack` should the list view stop
    // answering before PutStyleBack(). Call both right after an answer.
    void SetStyleUntilPutBack(std::int32_t style, std::int32_t putBack);
    void PutStyleBack();

  private:
    Desktop& desktop_;
    WindowId window_;
    std::uint32_t processId_;
    RemoteBlock& block_;
    const ListViewLayout& layout_;
    std::optional<std::int32_t> styleToPutBack_;
};

// Does nothing when there is no desktop list view or no process owns it.
// Whatever else the walk raises, the block is released before the error goes
// on. Raises that the desktop does not answer, before anything else, while
// an earlier command's pending release still waits for the list view.
void WalkDesktopListView(Desktop& desktop, const std::function<void(ShellListView&)>& walk);

} // namespace vevove
