#include "tests/fakes/FakeShellFolders.h"

namespace vevove::fake {

namespace {

constexpr std::size_t kPathCapacity = 260;

} // namespace

void FakeShellFolders::setPath(int folder, const std::string& path) {
    folders_[folder] = Folder{0, path};
}

void FakeShellFolders::setWithoutPath(int folder) {
    folders_[folder] = Folder{0, std::nullopt};
}

void FakeShellFolders::setLocationError(int folder, std::int32_t hresult) {
    folders_[folder] = Folder{hresult, std::nullopt};
}

std::int32_t FakeShellFolders::location(int folder, IdListHandle& list) {
    const auto entry = folders_.find(folder);
    if (entry == folders_.end()) {
        return kHresultInvalidArg;
    }
    if (entry->second.locationResult < 0) {
        return entry->second.locationResult;
    }
    list = next_;
    next_ += 0x10;
    live_.emplace(list, folder);
    return 0;
}

bool FakeShellFolders::path(IdListHandle list, std::string& path) const {
    const auto entry = live_.find(list);
    if (entry == live_.end()) {
        return false;
    }
    const std::optional<std::string>& folderPath = folders_.at(entry->second).path;
    if (!folderPath) {
        return false;
    }
    // A path too long for the buffer fails, leaving as much as fitted.
    path = folderPath->substr(0, kPathCapacity - 1);
    return folderPath->size() < kPathCapacity;
}

void FakeShellFolders::free(IdListHandle list) {
    if (live_.erase(list) == 0) {
        ++badFrees_;
    }
}

} // namespace vevove::fake
