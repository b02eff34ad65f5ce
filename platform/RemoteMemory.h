// A block of memory in another process, which that process's windows can read
// the records of our messages from.
#pragma once

#include "Errors.h"

#include <cstdint>
#include <optional>

namespace vevove {

using RemoteAddress = std::uint64_t; // an address in the other process

// An open block: the process handle, the block's address there and the width
// of the process's pointers (32 or 64).
struct RemoteBlockId {
    std::uint64_t process = 0;
    RemoteAddress address = 0;
    int pointerBits = 0;
};

class RemoteMemory {
  public:
    virtual ~RemoteMemory() = default;

    // Opens the process with only the rights the block needs, reserves `size`
    // readable and writable (not executable) bytes in it and learns the width
    // of its pointers. On failure nothing stays open.
    virtual std::optional<SystemFailure> Open(std::uint32_t processId, std::uint32_t size,
                                              RemoteBlockId& block) = 0;
    virtual std::optional<SystemFailure> Write(const RemoteBlockId& block, RemoteAddress at,
                                               const void* bytes, std::uint32_t count) = 0;
    virtual std::optional<SystemFailure> Read(const RemoteBlockId& block, RemoteAddress at,
                                              void* bytes, std::uint32_t count) = 0;
    // Releases the block and closes the process; the process is closed even
    // when the block cannot be released, and that failure is returned.
    virtual std::optional<SystemFailure> Close(const RemoteBlockId& block) = 0;

    // The width of our own pointers.
    virtual int OwnPointerBits() = 0;
};

} // namespace vevove
