// The one block of memory that the program keeps in the desktop shell's
// process while an icon command runs: the list-view messages it sends carry
// addresses of records in that block, since the shell's list view can read
// nothing else.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

namespace vevove {

struct RemoteBuffer {
    Handle process = 0;        // OpenProcess; 0 while none is open
    RemoteAddress address = 0; // VirtualAllocEx; 0 while none is reserved
};

// Only what the icon commands use: reserve and release, read and write,
// and ask the process's bitness.
constexpr std::uint32_t kShellProcessAccess = 0x0008    // PROCESS_VM_OPERATION
                                              | 0x0010  // PROCESS_VM_READ
                                              | 0x0020  // PROCESS_VM_WRITE
                                              | 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION
constexpr std::uint32_t kMemCommit = 0x1000;
constexpr std::uint32_t kMemRelease = 0x8000;
constexpr std::uint32_t kPageReadWrite = 0x04;

// Opens the process and reserves `size` bytes in it; returns the block's
// address. A failure raises the system error and leaves nothing open.
RemoteAddress OpenRemoteBuffer(Platform& os, RemoteBuffer& buffer, std::uint32_t processId,
                               std::uint32_t size);
// Copies `count` local bytes to `destination` in the block; nothing while no
// process is open.
void WriteRemote(Platform& os, const RemoteBuffer& buffer, const void* source,
                 RemoteAddress destination, std::uint32_t count);
// Copies `count` bytes at `source` in the block into a local buffer; returns
// the count read, 0 while no process is open.
std::uint32_t ReadRemote(Platform& os, const RemoteBuffer& buffer, RemoteAddress source,
                         void* destination, std::uint32_t count);
// Releases the block and closes the process, both fields back to 0.
void CloseRemoteBuffer(Platform& os, RemoteBuffer& buffer);

} // namespace vevove
