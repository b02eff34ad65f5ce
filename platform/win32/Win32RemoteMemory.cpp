#include "Win32RemoteMemory.h"

#include "OwnedHandle.h"
#include "SystemFailureText.h"

#include <windows.h>

namespace vevove {

namespace {

// Only what a block needs: reserve and release, read and write, and ask the
// process's bitness.
constexpr DWORD kBlockRights =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION;

HANDLE ToHandle(std::uint64_t process) {
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(process));
}
void* ToAddress(RemoteAddress address) {
    return reinterpret_cast<void*>(static_cast<UINT_PTR>(address));
}

// A process that does not run under WOW64 is as wide as the system, which a
// 32-bit program learns from its own WOW64 state.
bool PointerBits(HANDLE process, int& bits) {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(process, &wow64)) {
        return false;
    }
    if (wow64 || sizeof(void*) == 8) {
        bits = wow64 ? 32 : 64;
        return true;
    }
    BOOL selfWow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &selfWow64)) {
        return false;
    }
    bits = selfWow64 ? 64 : 32;
    return true;
}

} // namespace

// Each failure's code is read before the process is closed, which may change it.
std::optional<SystemFailure> Win32RemoteMemory::Open(std::uint32_t processId, std::uint32_t size,
                                                     RemoteBlockId& block) {
    OwnedHandle process(OpenProcess(kBlockRights, FALSE, processId));
    if (process.get() == nullptr) {
        return LastSystemFailure();
    }
    int bits = 0;
    if (!PointerBits(process.get(), bits)) {
        return LastSystemFailure();
    }
    void* const address = VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (address == nullptr) {
        return LastSystemFailure();
    }
    block.process = static_cast<std::uint64_t>(reinterpret_cast<UINT_PTR>(process.release()));
    block.address = static_cast<RemoteAddress>(reinterpret_cast<UINT_PTR>(address));
    block.pointerBits = bits;
    return std::nullopt;
}

std::optional<SystemFailure> Win32RemoteMemory::Write(const RemoteBlockId& block, RemoteAddress at,
                                                      const void* bytes, std::uint32_t count) {
    if (!WriteProcessMemory(ToHandle(block.process), ToAddress(at), bytes, count, nullptr)) {
        return LastSystemFailure();
    }
    return std::nullopt;
}

std::optional<SystemFailure> Win32RemoteMemory::Read(const RemoteBlockId& block, RemoteAddress at,
                                                     void* bytes, std::uint32_t count) {
    if (!ReadProcessMemory(ToHandle(block.process), ToAddress(at), bytes, count, nullptr)) {
        return LastSystemFailure();
    }
    return std::nullopt;
}

// The process is closed even when the block cannot be released, so that the
// shell is left with nothing of ours that could still be closed.
std::optional<SystemFailure> Win32RemoteMemory::Close(const RemoteBlockId& block) {
    std::optional<SystemFailure> failure;
    if (!VirtualFreeEx(ToHandle(block.process), ToAddress(block.address), 0, MEM_RELEASE)) {
        failure = LastSystemFailure();
    }
    CloseHandle(ToHandle(block.process));
    return failure;
}

int Win32RemoteMemory::OwnPointerBits() {
    return static_cast<int>(sizeof(void*) * 8);
}

} // namespace vevove
