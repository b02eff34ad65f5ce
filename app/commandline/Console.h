// Where a run from the command line writes: the standard output and error
// that the caller gave, or else the console of the caller.
#pragma once

#include "CommandLineRun.h"
#include "OwnedHandle.h"

#include <windows.h>

#include <optional>
#include <string>

namespace vevove {

class ConsoleOutput final : public CommandOutput {
  public:
    ConsoleOutput();
    ~ConsoleOutput() override;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    void WriteOutput(const std::string& text) override;
    void WriteError(const std::string& text) override;

  private:
    // A handle that text goes to, as bytes or, for a console, as characters;
    // a null handle takes nothing.
    struct Stream {
        HANDLE handle = nullptr;
        bool console = false;
    };

    Stream StreamFor(HANDLE given);
    static void Write(const Stream& stream, const std::string& text);

    bool attached_ = false;
    std::optional<OwnedHandle> callersConsole_;
    Stream output_;
    Stream error_;
};

} // namespace vevove
