#include "IconView.h"

#include "Errors.h"

namespace vevove {

namespace {

constexpr const char* kNoAnswerText = "Der Desktop antwortet nicht";
constexpr const char* kWiderShellText =
    "Die Desktop-Symbole einer 64-Bit-Shell erreicht nur das 64-Bit-Programm";

} // namespace

void Check(const DesktopResult& result) {
    if (!result) {
        return;
    }
    switch (result->kind) {
    case DesktopFailure::Kind::NotAnswering:
    case DesktopFailure::Kind::Busy:
        throw Error(ErrorKind::System, kNoAnswerText);
    case DesktopFailure::Kind::WiderShell:
        throw Error(ErrorKind::Unsupported, kWiderShellText);
    case DesktopFailure::Kind::System:
        RaiseSystemError(result->failure);
    }
}

// A command that comes while another is still waiting for the desktop (a
// click handled meanwhile) is refused: it would run inside the first.
std::unique_ptr<DesktopIconView> OpenIconView(DesktopIcons& icons, bool& found) {
    std::unique_ptr<DesktopIconView> view;
    const DesktopResult opened = icons.Open(view);
    if (opened && opened->kind == DesktopFailure::Kind::Busy) {
        found = true;
        return nullptr;
    }
    Check(opened);
    found = view != nullptr;
    return view;
}

std::string MatchKeyOf(DesktopIcons& icons, const std::u16string& name) {
    std::string key;
    RaiseIfFailed(icons.MatchKey(name, key));
    return key;
}

} // namespace vevove
