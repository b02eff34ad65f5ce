// Blocks of memory in another process on Windows.
#pragma once

#include "RemoteMemory.h"

namespace vevove {

class Win32RemoteMemory final : public RemoteMemory {
  public:
    std::optional<SystemFailure> Open(std::uint32_t processId, std::uint32_t size,
                                      RemoteBlockId& block) override;
    std::optional<SystemFailure> Write(const RemoteBlockId& block, RemoteAddress at,
                                       const void* bytes, std::uint32_t count) override;
    std::optional<SystemFailure> Read(const RemoteBlockId& block, RemoteAddress at, void* bytes,
                                      std::uint32_t count) override;
    std::optional<SystemFailure> Close(const RemoteBlockId& block) override;
    int OwnPointerBits() override;
};

} // namespace vevove
