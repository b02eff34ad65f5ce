#include "resolution/ShellFolder.h"

namespace vevove {

namespace {

// True when the last byte of `path` is a backslash standing on its own, not
// the trail byte of a double-byte character.
bool EndsInSingleByteBackslash(Platform& os, const std::string& path) {
    if (path.empty() || path.back() != '\\') {
        return false;
    }
    std::size_t pos = 0;
    while (pos + 1 < path.size()) {
        pos += os.isLeadByte(static_cast<std::uint8_t>(path[pos])) ? 2 : 1;
    }
    return pos == path.size() - 1;
}

} // namespace

std::string SpecialFolderPath(Platform& os, int folder) {
    std::string path;
    IdListHandle list = 0;
    if (os.specialFolderLocation(folder, list) >= 0) {
        if (!os.pathFromIdList(list, path)) {
            path.clear();
        }
        os.freeIdList(list);
    }
    if (EndsInSingleByteBackslash(os, path)) {
        path.pop_back();
    }
    return path;
}

} // namespace vevove
