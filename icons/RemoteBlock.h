// The one block of memory that an icon command keeps in the desktop shell's
// process: the list-view messages it sends carry addresses of records in that
// block, since the shell's list view can read nothing else.
#pragma once

#include "RemoteMemory.h"

#include <cstdint>

namespace vevove {

class RemoteBlock {
  public:
    // Opens the process and reserves `size` bytes in it; raises the system
    // error when that fails, and then nothing stays open.
    RemoteBlock(RemoteMemory& memory, std::uint32_t processId, std::uint32_t size);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    RemoteAddress address() const { return id_.address; }
    // The width of the shell's pointers, which its records follow.
    int pointerBits() const { return id_.pointerBits; }

    // Copies `count` local bytes to `at` in the block; raises on failure.
    void Write(RemoteAddress at, const void* bytes, std::uint32_t count);
    // Copies `count` bytes at `at` in the block into `bytes`; raises on failure.
    void Read(RemoteAddress at, void* bytes, std::uint32_t count);
    // Releases the block and closes the process, raising when the block
    // cannot be released; the process is closed all the same.
    void Close();
    // Lets go of the block without releasing it, for a shell that may still
    // use it: what it returns releases it later through RemoteMemory::Close.
    RemoteBlockId Abandon();

  private:
    RemoteMemory& memory_;
    RemoteBlockId id_;
    bool open_ = false;
};

} // namespace vevove
