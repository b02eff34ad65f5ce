#include "FakeDesktopIcons.h"

#include "FoldedCase.h"

#include <algorithm>

namespace vevove::fake {

DesktopResult FakeDesktopIcons::Refused(const char* operation) {
    if (failures.Take("Answer")) {
        answering = false;
    }
    if (!present) {
        return DesktopFailure{DesktopFailure::Kind::NoDesktop, {}};
    }
    if (!answering) {
        return DesktopFailure{DesktopFailure::Kind::NotAnswering, {}};
    }
    if (widerShell) {
        return DesktopFailure{DesktopFailure::Kind::WiderShell, {}};
    }
    if (auto failure = failures.Take(operation)) {
        return DesktopFailure{DesktopFailure::Kind::System, *failure};
    }
    return std::nullopt;
}

DesktopResult FakeDesktopIcons::Read(IconParts parts, DesktopRead& read) {
    if (DesktopResult refused = Refused("Read")) {
        return refused;
    }
    read.icons.clear();
    read.shellReady = shellReady;
    for (const Icon& icon : icons) {
        DesktopIcon seen{icon.label, {}, 0, 0};
        if (parts.positions && &icon - icons.data() == unreadablePosition) {
            seen.positionRead = false;
        } else if (parts.positions) {
            seen.x = icon.x;
            seen.y = icon.y;
        }
        if (parts.fileNames && knowsFileNames) {
            seen.fileName = icon.fileName;
        }
        read.icons.push_back(std::move(seen));
    }
    return std::nullopt;
}

DesktopResult FakeDesktopIcons::Place(const std::vector<IconMove>& moves) {
    if (DesktopResult refused = Refused("Place")) {
        return refused;
    }
    if (restartsAtPlace > 0) {
        --restartsAtPlace;
        std::reverse(icons.begin(), icons.end());
        return DesktopFailure{DesktopFailure::Kind::Restarted, {}};
    }
    for (const IconMove& move : moves) {
        if (move.icon < icons.size()) {
            icons[move.icon].x = move.x;
            icons[move.icon].y = move.y;
        }
    }
    return std::nullopt;
}

std::optional<SystemFailure> FakeNameMatching::MatchKey(const std::u16string& name,
                                                        std::string& key) {
    if (auto failure = failures.Take("MatchKey")) {
        return failure;
    }
    key.clear();
    for (const char16_t unit : FoldedCase(name)) {
        const std::u16string units = unit == u'\u00DF' ? u"ss" : std::u16string(1, unit);
        for (const char16_t sorted : units) {
            key.push_back(static_cast<char>(sorted & 0xFF));
            key.push_back(static_cast<char>(sorted >> 8));
        }
    }
    return std::nullopt;
}

} // namespace vevove::fake
