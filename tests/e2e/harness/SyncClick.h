// A click whose work is done when it returns: BM_CLICK sent, not posted, and
// then, for a button that is disabled while its work runs (the icon
// commands), until it is enabled again. Only for clicks that open no modal
// box; Click (harness/Input.h) is for those.
#pragma once

#include <windows.h>

namespace e2e {

// Throws std::runtime_error when the program does not answer in time.
void ClickAndWait(HWND button);

} // namespace e2e
