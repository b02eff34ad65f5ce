// A failed Win32 call as the seam reports it: the last-error code and the
// system's text for it.
#pragma once

#include "Errors.h"

#include <cstdint>

namespace vevove {

// The failure of the call that has just failed; call it before anything else
// can change the thread's last-error code.
SystemFailure LastSystemFailure();

// The failure with this code and the system's text for it, trimmed; the text
// is empty when the system has none or it does not fit 256 characters.
SystemFailure SystemFailureFor(std::uint32_t code);

} // namespace vevove
