#include "Win32Platform.h"

#include "SystemFailureText.h"
#include "Trace.h"

#include <windows.h>

#include <array>
#include <utility>

namespace vevove {

namespace {

const DesktopFailure kNotAnswering{DesktopFailure::Kind::NotAnswering, {}};
const DesktopFailure kRestarted{DesktopFailure::Kind::Restarted, {}};

// LCMapStringW's sort keys compare equal exactly when CompareStringW finds
// the texts equal, which is how lstrcmpiW, and with it the list view's search
// by text, compares: without regard to case, in the user's locale.
constexpr DWORD kMatchKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

// The key into `bytes` of `size`; 0 when it does not fit or fails.
int MapToSortKey(const std::u16string& text, BYTE* bytes, int size) {
    return LCMapStringW(LOCALE_USER_DEFAULT, kMatchKeyFlags,
                        reinterpret_cast<const wchar_t*>(text.c_str()), -1,
                        reinterpret_cast<LPWSTR>(bytes), size);
}

} // namespace

// The folder view where it serves, else the list view. A shell whose windows
// do not find the desktop yet is asked again at every read.
DesktopResult Win32DesktopIcons::Open() {
    way_ = OpenFolderViewIcons(shellWindows_);
    if (way_ == nullptr) {
        if (DesktopResult failed = OpenListViewIcons(way_)) {
            return failed;
        }
    }
    return way_ == nullptr ? std::optional(DesktopFailure{DesktopFailure::Kind::NoDesktop, {}})
                           : std::nullopt;
}

// A shell that restarted since the desktop was opened has let go of it: the
// desktop is opened again and read once more.
DesktopResult Win32DesktopIcons::Read(IconParts parts, DesktopRead& read) {
    for (int attempt = 0;; ++attempt) {
        if (way_ == nullptr || !way_->Alive() || shellWindows_ == ShellWindows::Starting) {
            if (DesktopResult failed = Open()) {
                way_.reset();
                return failed;
            }
        }
        DesktopResult result = way_->Read(parts, read.icons);
        read.shellReady = shellWindows_ != ShellWindows::Starting;
        if (result) {
            way_.reset();
            if (result->kind == DesktopFailure::Kind::Restarted && attempt == 0) {
                Trace("desktop worker: the shell restarted; reading the new desktop");
                continue;
            }
            return result;
        }
        return CommandGivenUp() ? std::optional(kNotAnswering) : std::nullopt;
    }
}

// Automatic arrangement would undo every move, so it is off while the icons
// move, and then that setting alone is put back, whatever became of the move.
// With "Align icons to grid" the desktop pushes an icon out of a cell another
// still holds, so all of them move in one step.
DesktopResult Win32DesktopIcons::Place(const std::vector<IconMove>& moves) {
    if (way_ == nullptr || !way_->Alive()) {
        way_.reset();
        return kRestarted;
    }
    bool arranged = false;
    DesktopResult result = way_->AutoArrange(arranged);
    if (!result && arranged) {
        result = way_->SetAutoArrange(false);
    }
    if (!result) {
        result = way_->Move(moves);
        if (arranged) {
            const DesktopResult putBack = way_->SetAutoArrange(true);
            result = result ? result : putBack;
        }
    }
    if (result) {
        way_.reset();
        return result;
    }
    return CommandGivenUp() ? std::optional(kNotAnswering) : std::nullopt;
}

// Most keys fit the buffer on the stack; a longer one is asked for its size.
std::optional<SystemFailure> Win32NameMatching::MatchKey(const std::u16string& name,
                                                         std::string& key) {
    std::array<BYTE, 1024> bytes;
    int size = MapToSortKey(name, bytes.data(), static_cast<int>(bytes.size()));
    if (size > 0) {
        key.assign(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(size));
        return std::nullopt;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
        (size = MapToSortKey(name, nullptr, 0)) == 0) {
        return LastSystemFailure();
    }
    std::string longKey(static_cast<std::size_t>(size), '\0');
    if (MapToSortKey(name, reinterpret_cast<BYTE*>(longKey.data()), size) == 0) {
        return LastSystemFailure();
    }
    key = std::move(longKey);
    return std::nullopt;
}

} // namespace vevove
