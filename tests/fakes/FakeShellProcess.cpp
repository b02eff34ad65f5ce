#include "tests/fakes/FakeShellProcess.h"

#include <cstring>

namespace vevove::fake {

RemoteAddress FakeShellProcess::reserve(std::uint32_t size, std::uint32_t protect) {
    const RemoteAddress base = pointerBits == 64 ? 0x1F3A50000ull : 0x00A30000ull;
    const RemoteAddress address = base + 0x10000 * reserved_++;
    blocks_.emplace(address, Block{std::vector<std::uint8_t>(size, 0), protect});
    return address;
}

bool FakeShellProcess::release(RemoteAddress address) {
    return blocks_.erase(address) != 0;
}

const FakeShellProcess::Block*
FakeShellProcess::blockFor(RemoteAddress address, std::uint64_t count, RemoteAddress& start) const {
    auto block = blocks_.upper_bound(address);
    if (block == blocks_.begin()) {
        return nullptr;
    }
    --block;
    start = block->first;
    if (address + count > start + block->second.bytes.size()) {
        return nullptr;
    }
    return &block->second;
}

bool FakeShellProcess::write(RemoteAddress address, const void* source, std::uint32_t count) {
    RemoteAddress start = 0;
    const Block* block = blockFor(address, count, start);
    if (block == nullptr) {
        return false;
    }
    std::memcpy(blocks_.at(start).bytes.data() + (address - start), source, count);
    return true;
}

bool FakeShellProcess::read(RemoteAddress address, void* destination, std::uint32_t count) const {
    RemoteAddress start = 0;
    const Block* block = blockFor(address, count, start);
    if (block == nullptr) {
        return false;
    }
    std::memcpy(destination, block->bytes.data() + (address - start), count);
    return true;
}

bool FakeShellProcess::readText(RemoteAddress address, std::string& text) const {
    RemoteAddress start = 0;
    const Block* block = blockFor(address, 1, start);
    if (block == nullptr) {
        return false;
    }
    const auto* begin = block->bytes.data() + (address - start);
    const auto* end = block->bytes.data() + block->bytes.size();
    const auto* zero = static_cast<const std::uint8_t*>(std::memchr(begin, 0, end - begin));
    if (zero == nullptr) {
        return false;
    }
    text.assign(reinterpret_cast<const char*>(begin), zero - begin);
    return true;
}

} // namespace vevove::fake
