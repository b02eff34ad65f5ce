// Owners of the kernel handles the Win32 side opens, each closed by the call
// that belongs to its kind however the scope that opened it is left.
#pragma once

#include <windows.h>

#include <utility>

namespace vevove {

template <typename Close> class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() {
        if (valid()) {
            Close{}(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        UniqueHandle old(std::exchange(handle_, other.release()));
        return *this;
    }

    // Calls that open handles say "none" with either value, depending on the call.
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Hands the handle over to a caller that closes it itself.
    HANDLE release() { return std::exchange(handle_, nullptr); }

  private:
    HANDLE handle_;
};

struct CloseWithCloseHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct CloseWithFindClose {
    void operator()(HANDLE handle) const { FindClose(handle); }
};

// A file, process or other kernel object.
using OwnedHandle = UniqueHandle<CloseWithCloseHandle>;
// A directory search of FindFirstFileA.
using OwnedFindHandle = UniqueHandle<CloseWithFindClose>;

} // namespace vevove
