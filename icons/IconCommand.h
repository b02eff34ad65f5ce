// The frame of both icon commands: find the desktop's list view, open a block
// in its process, run the command's walk over the icons, release the block.
#pragma once

#include "icons/ListViewRecords.h"
#include "icons/uvirtalloc.h"
#include "platform/Platform.h"

#include <functional>

namespace vevove {

using IconWalk =
    std::function<void(WindowHandle listView, RemoteAddress block, const ListViewLayout& layout)>;

// Does nothing when there is no desktop list view or no process owns it.
// Whatever the walk raises, the block and the process handle are released
// before the error goes on.
void RunIconCommand(Platform& os, RemoteBuffer& buffer, const IconWalk& walk);

} // namespace vevove
