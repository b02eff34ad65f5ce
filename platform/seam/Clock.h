// The time of day as the saved layouts are named by it.
#pragma once

#include <string>

namespace vevove {

class Clock {
  public:
    virtual ~Clock() = default;

    // The local time, to the second: "2026-12-09 19:45:12", which sorts as
    // the times do.
    virtual std::string LocalTime() = 0;
};

} // namespace vevove
