// The desktop shell's process as another program reaches it: its id, the
// width of its pointers, the rights it grants to an OpenProcess, and the
// blocks of memory reserved in it, which hold real bytes. An address outside
// every block, or a range that runs off the end of one, is refused as Windows
// refuses it, and the list view's reads and writes that go astray are counted.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vevove::fake {

// PROCESS_ALL_ACCESS since Windows Vista.
constexpr std::uint32_t kProcessAllAccess = 0x1FFFFF;

class FakeShellProcess {
  public:
    std::uint32_t id = 0x9F4;
    int pointerBits = 64;
    // The rights an OpenProcess may ask for; more is refused.
    std::uint32_t grantedAccess = kProcessAllAccess;

    struct Block {
        std::vector<std::uint8_t> bytes;
        std::uint32_t protect = 0;
    };

    // Reserves a block: above 4 GB in a 64-bit process, so that an address
    // cut to 32 bits points nowhere.
    RemoteAddress reserve(std::uint32_t size, std::uint32_t protect);
    bool release(RemoteAddress address);
    bool write(RemoteAddress address, const void* source, std::uint32_t count);
    bool read(RemoteAddress address, void* destination, std::uint32_t count) const;
    // A zero-terminated text at `address`; false when it runs off its block.
    bool readText(RemoteAddress address, std::string& text) const;

    const std::map<RemoteAddress, Block>& blocks() const { return blocks_; }
    // The shell's own reads and writes that went outside its blocks.
    int strayAccesses = 0;

  private:
    // The block holding [address, address + count), or nullptr.
    const Block* blockFor(RemoteAddress address, std::uint64_t count, RemoteAddress& start) const;

    std::map<RemoteAddress, Block> blocks_;
    std::uint64_t reserved_ = 0;
};

} // namespace vevove::fake
