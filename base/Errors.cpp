#include "Errors.h"

#include "Format.h"

namespace vevove {

namespace {

bool IsTrimmedAtEnd(char c) {
    return static_cast<unsigned char>(c) <= 32 || c == '.';
}

} // namespace

const char* ErrorKindName(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::System:
        return "EOSError";
    case ErrorKind::FileCreate:
        return "EFCreateError";
    case ErrorKind::Write:
        return "EWriteError";
    case ErrorKind::Timer:
        return "EOutOfResources";
    case ErrorKind::Unsupported:
        return "ENotSupportedException";
    }
    return "Exception";
}

// The place that constructed the error stands for the place that raised it.
__attribute__((noinline))
Error::Error(ErrorKind kind, const std::string& message, std::uint32_t systemCode)
    : std::runtime_error(message), kind_(kind), systemCode_(systemCode),
      address_(__builtin_return_address(0)) {}

std::string TrimmedSystemText(std::string text) {
    while (!text.empty() && IsTrimmedAtEnd(text.back())) {
        text.pop_back();
    }
    return text;
}

void RaiseSystemError(const SystemFailure& failure) {
    if (failure.code == 0) {
        throw Error(ErrorKind::System,
                    "Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen");
    }
    throw Error(ErrorKind::System,
                Format("Systemfehler.  Code: %d.\r\n%s", static_cast<int>(failure.code),
                       failure.text.c_str()),
                failure.code);
}

void RaiseIfFailed(const std::optional<SystemFailure>& failure) {
    if (failure) {
        RaiseSystemError(*failure);
    }
}

} // namespace vevove
