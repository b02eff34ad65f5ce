#include "icons/uvirtalloc.h"

#include "app/Errors.h"

namespace vevove {

RemoteAddress OpenRemoteBuffer(Platform& os, RemoteBuffer& buffer, std::uint32_t processId,
                               std::uint32_t size) {
    buffer.address = 0;
    buffer.process = os.openProcess(kShellProcessAccess, false, processId);
    if (buffer.process == 0) {
        RaiseLastSystemError(os);
    }
    const RemoteAddress address =
        os.virtualAllocEx(buffer.process, size, kMemCommit, kPageReadWrite);
    if (address == 0) {
        // The code is read before the close, which may change it.
        const std::uint32_t code = os.getLastError();
        os.closeHandle(buffer.process);
        buffer.process = 0;
        RaiseSystemError(os, code);
    }
    buffer.address = address;
    return address;
}

void WriteRemote(Platform& os, const RemoteBuffer& buffer, const void* source,
                 RemoteAddress destination, std::uint32_t count) {
    if (buffer.process == 0) {
        return;
    }
    std::uint32_t written = 0;
    CheckSystemCall(os, os.writeProcessMemory(buffer.process, destination, source, count, written));
}

std::uint32_t ReadRemote(Platform& os, const RemoteBuffer& buffer, RemoteAddress source,
                         void* destination, std::uint32_t count) {
    if (buffer.process == 0) {
        return 0;
    }
    std::uint32_t read = 0;
    CheckSystemCall(os, os.readProcessMemory(buffer.process, source, destination, count, read));
    return read;
}

// The handle is closed even when the block cannot be released, so that the
// shell is left with nothing of ours that could still be closed.
void CloseRemoteBuffer(Platform& os, RemoteBuffer& buffer) {
    if (buffer.process == 0) {
        return;
    }
    std::uint32_t failure = 0;
    bool released = true;
    if (buffer.address != 0) {
        released = os.virtualFreeEx(buffer.process, buffer.address, 0, kMemRelease);
        if (!released) {
            failure = os.getLastError();
        }
    }
    os.closeHandle(buffer.process);
    buffer = RemoteBuffer{};
    if (!released) {
        RaiseSystemError(os, failure);
    }
}

} // namespace vevove
