// The program's one way of reporting failure: an operation that cannot do its
// work throws an Error carrying the text for the error box; only the catch
// points of the application (window procedures, timer ticks, the show handler,
// each pass of the message loop) catch it.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
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

// The system's description of a code, without trailing blanks, control
// characters and full stops; empty when the system has none.
std::string SystemErrorText(Platform& os, std::uint32_t code);

// Throws the system error made from the thread's last-error code.
[[noreturn]] void RaiseLastSystemError(Platform& os);
// The same for a code read before something else ran that may have changed it.
[[noreturn]] void RaiseSystemError(Platform& os, std::uint32_t code);

// Passes a call's result through; a zero result means the call failed.
template <typename Result> Result CheckSystemCall(Platform& os, Result result) {
    if (result == 0) {
        RaiseLastSystemError(os);
    }
    return result;
}

// The German texts below are stored in the Windows-1252 code page.
extern const char* const kTimerRefusedText;
extern const char* const kWriteErrorText;
extern const char* const kShellTooWideText;

} // namespace vevove
