#include "DesktopCalls.h"

#include "Errors.h"

namespace vevove {

namespace {

constexpr const char* kNoAnswerText = "Der Desktop antwortet nicht";
constexpr const char* kWiderShellText =
    "Die Desktop-Symbole einer 64-Bit-Shell erreicht nur das 64-Bit-Programm";

} // namespace

// A shell that restarted between a read and a move is one that does not
// answer for that command: its next command reads the new desktop.
void Check(const DesktopResult& result) {
    if (!result) {
        return;
    }
    switch (result->kind) {
    case DesktopFailure::Kind::NoDesktop:
    case DesktopFailure::Kind::NotAnswering:
    case DesktopFailure::Kind::Restarted:
        throw Error(ErrorKind::System, kNoAnswerText);
    case DesktopFailure::Kind::WiderShell:
        throw Error(ErrorKind::Unsupported, kWiderShellText);
    case DesktopFailure::Kind::System:
        RaiseSystemError(result->failure);
    }
}

std::optional<DesktopRead> ReadIcons(DesktopIcons& icons, IconParts parts) {
    DesktopRead read;
    const DesktopResult result = icons.Read(parts, read);
    if (result && result->kind == DesktopFailure::Kind::NoDesktop) {
        return std::nullopt;
    }
    Check(result);
    return read;
}

std::string MatchKeyOf(NameMatching& names, const std::u16string& name) {
    std::string key;
    RaiseIfFailed(names.MatchKey(name, key));
    return key;
}

} // namespace vevove
