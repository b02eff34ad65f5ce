#include "app/Errors.h"

#include "app/Format.h"

namespace vevove {

const char* const kTimerRefusedText = "Nicht gen\xFCgend Timer verf\xFCgbar";
const char* const kWriteErrorText = "Stream-Schreibfehler";
const char* const kShellTooWideText =
    "Die Desktop-Symbole einer 64-Bit-Shell erreicht nur das 64-Bit-Programm";

namespace {

constexpr std::size_t kSystemTextCapacity = 256;

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

std::string SystemErrorText(Platform& os, std::uint32_t code) {
    std::string text;
    if (!os.formatMessage(code, kSystemTextCapacity, text)) {
        return {};
    }
    while (!text.empty() && IsTrimmedAtEnd(text.back())) {
        text.pop_back();
    }
    return text;
}

void RaiseLastSystemError(Platform& os) {
    RaiseSystemError(os, os.getLastError());
}

void RaiseSystemError(Platform& os, std::uint32_t code) {
    if (code == 0) {
        throw Error(ErrorKind::System, "Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen",
                    code);
    }
    throw Error(ErrorKind::System,
                Format("Systemfehler.  Code: %d.\r\n%s", static_cast<int>(code),
                       SystemErrorText(os, code).c_str()),
                code);
}

} // namespace vevove
