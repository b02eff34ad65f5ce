// The screen density of the programs started while the object lives: under
// Wine a process reads the user's LogPixels setting when it starts, so Vevove
// started now runs at this density while the tests' own process keeps its
// own. The setting as it was comes back afterwards.
#pragma once

#include <windows.h>

#include <optional>

namespace e2e {

// A density at which the program scales its layouts: its text is 20 pixels
// high instead of 13.
constexpr int kHighDensity = 144;

// The density of the tests' own process, at which Vevove runs unless a
// ProgramDensity says otherwise.
int OwnDensity();

class ProgramDensity {
  public:
    explicit ProgramDensity(int dotsPerInch);
    ~ProgramDensity();

    ProgramDensity(const ProgramDensity&) = delete;
    ProgramDensity& operator=(const ProgramDensity&) = delete;

  private:
    std::optional<DWORD> previous_;
};

} // namespace e2e
