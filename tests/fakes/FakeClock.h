// A clock that says the time a test sets.
#pragma once

#include "Clock.h"

#include <string>

namespace vevove::fake {

class FakeClock : public Clock {
  public:
    std::string now = "2026-12-09 10:00:00";

    std::string LocalTime() override { return now; }
};

} // namespace vevove::fake
