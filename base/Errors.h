// The program's one way of reporting failure: an operation that cannot do its
// work throws an Error carrying the text for the error box; only the catch
// points of the application (window procedures, timer ticks, the show handler,
// each pass of the message loop) catch it.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace vevove {

enum class ErrorKind {
    System,      // a failed operating-system call
    FileCreate,  // a file could not be created for writing
    Write,       // fewer bytes written than asked
    Timer,       // the system refused a timer
    Unsupported, // a desktop shell this build cannot reach
};

const char* ErrorKindName(ErrorKind kind);

class Error : public std::runtime_error {
  public:
    Error(ErrorKind kind, const std::string& message, std::uint32_t systemCode = 0);

    ErrorKind kind() const { return kind_; }
    std::uint32_t systemCode() const { return systemCode_; }
    // The code address that raised the error, for the start-up error box.
    const void* address() const { return address_; }

  private:
    ErrorKind kind_;
    std::uint32_t systemCode_;
    const void* address_;
};

// A failed operating-system call as the platform reports it: the thread's
// last-error code, read right after the call, and the system's description
// of it (empty when the system has none).
struct SystemFailure {
    std::uint32_t code = 0;
    std::string text;
};

// The system's description of a code as FormatMessage gives it, without
// trailing blanks, control characters and full stops.
std::string TrimmedSystemText(std::string text);

// Throws the system error made from a failure: "Systemfehler.  Code: N." and
// the description, or the text for a failure without a code.
[[noreturn]] void RaiseSystemError(const SystemFailure& failure);
// The same for a call that reports its failure, if any.
void RaiseIfFailed(const std::optional<SystemFailure>& failure);

} // namespace vevove
