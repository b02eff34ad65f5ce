#include "tests/fakes/FakeRegistry.h"

#include "tests/fakes/FakeCodePage.h"

#include <algorithm>
#include <cstring>

namespace vevove::fake {

namespace {

constexpr std::int32_t kSuccess = 0;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kAccessDenied = 5;
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kMoreData = 234;
constexpr std::int32_t kNoMoreItems = 259;

} // namespace

std::string FakeRegistry::Fold(const std::string& text) {
    return AsciiLower(text);
}

void FakeRegistry::addKey(const std::string& path) {
    std::string prefix;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        prefix = path.substr(0, end);
        keys_.emplace(Fold(prefix), Key{prefix, {}});
        start = end + 1;
    }
}

void FakeRegistry::setValue(const std::string& path, const std::string& name, std::uint32_t type,
                            const std::vector<std::uint8_t>& data) {
    addKey(path);
    RegistryKey key = 0;
    openKey(kHkeyCurrentUser, path, 2, key);
    setValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
    closeKey(key);
}

bool FakeRegistry::hasKey(const std::string& path) const {
    return keys_.count(Fold(path)) != 0;
}

const std::vector<FakeRegistry::Value>& FakeRegistry::values(const std::string& path) const {
    return keys_.at(Fold(path)).values;
}

std::vector<std::string> FakeRegistry::openKeys() const {
    std::vector<std::string> names;
    for (const auto& [handle, key] : open_) {
        names.push_back(key.path + " (access " + std::to_string(key.access) + ")");
    }
    return names;
}

// A key with sub-keys cannot be deleted.
std::int32_t FakeRegistry::deleteKey(RegistryKey parent, const std::string& path) {
    const std::string folded = Fold(path);
    if (parent != kHkeyCurrentUser || keys_.count(folded) == 0) {
        return kFileNotFound;
    }
    const auto next = keys_.upper_bound(folded);
    if (next != keys_.end() && next->first.rfind(folded + "\\", 0) == 0) {
        return kAccessDenied;
    }
    keys_.erase(folded);
    return kSuccess;
}

std::int32_t FakeRegistry::createKey(RegistryKey parent, const std::string& path,
                                     std::uint32_t access, RegistryKey& key) {
    if (parent != kHkeyCurrentUser) {
        return kInvalidHandle;
    }
    addKey(path);
    key = next_;
    next_ += 4;
    open_.emplace(key, OpenKey{Fold(path), access});
    return kSuccess;
}

std::int32_t FakeRegistry::openKey(RegistryKey parent, const std::string& path,
                                   std::uint32_t access, RegistryKey& key) {
    if (parent != kHkeyCurrentUser) {
        return kInvalidHandle;
    }
    if (!hasKey(path)) {
        return kFileNotFound;
    }
    key = next_;
    next_ += 4;
    open_.emplace(key, OpenKey{Fold(path), access});
    return kSuccess;
}

// A key deleted while open answers as not found.
std::int32_t FakeRegistry::keyFor(RegistryKey key, std::uint32_t right, Key*& found) {
    const auto open = open_.find(key);
    if (open == open_.end()) {
        return kInvalidHandle;
    }
    if ((open->second.access & right) != right) {
        return kAccessDenied;
    }
    const auto entry = keys_.find(open->second.path);
    if (entry == keys_.end()) {
        return kFileNotFound;
    }
    found = &entry->second;
    return kSuccess;
}

std::int32_t FakeRegistry::setValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                    const void* data, std::uint32_t size) {
    Key* found = nullptr;
    if (const std::int32_t result = keyFor(key, 2, found); result != kSuccess) {
        return result;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::vector<std::uint8_t> copy(bytes, bytes + size);
    for (Value& value : found->values) {
        if (Fold(value.name) == Fold(name)) {
            value.type = type;
            value.data = std::move(copy);
            return kSuccess;
        }
    }
    found->values.push_back(Value{name, type, std::move(copy)});
    return kSuccess;
}

std::int32_t FakeRegistry::enumValue(RegistryKey key, std::uint32_t index, std::string& name,
                                     std::uint32_t& nameLength, std::uint32_t& type, void* data,
                                     std::uint32_t& dataSize) {
    Key* found = nullptr;
    if (const std::int32_t result = keyFor(key, 1, found); result != kSuccess) {
        return result;
    }
    if (index >= found->values.size()) {
        return kNoMoreItems;
    }
    const Value& value = found->values[index];
    if (value.name.size() + 1 > nameLength || value.data.size() > dataSize) {
        dataSize = static_cast<std::uint32_t>(value.data.size());
        return kMoreData;
    }
    name = value.name;
    nameLength = static_cast<std::uint32_t>(value.name.size());
    type = value.type;
    std::memcpy(data, value.data.data(), value.data.size());
    dataSize = static_cast<std::uint32_t>(value.data.size());
    return kSuccess;
}

std::int32_t FakeRegistry::closeKey(RegistryKey key) {
    return open_.erase(key) == 0 ? kInvalidHandle : kSuccess;
}

} // namespace vevove::fake
