#include "tests/fakes/FakeMessages.h"

#include "tests/fakes/FakeErrorCodes.h"

namespace vevove::fake {

FakeMessages::FakeMessages()
    : texts_{
          {0, "The operation completed successfully.\r\n"},
          {kErrorFileNotFound, "The system cannot find the file specified.\r\n"},
          {kErrorPathNotFound, "The system cannot find the path specified.\r\n"},
          {kErrorAccessDenied, "Access is denied.\r\n"},
          {kErrorInvalidHandle, "The handle is invalid.\r\n"},
          {kErrorSharingViolation, "The process cannot access the file because it is being "
                                   "used by another process.\r\n"},
          {kErrorInvalidParameter, "The parameter is incorrect.\r\n"},
          {kErrorDiskFull, "There is not enough space on the disk.\r\n"},
          {kErrorInsufficientBuffer, "The data area passed to a system call is too small.\r\n"},
          {kErrorInvalidName,
           "The filename, directory name, or volume label syntax is incorrect.\r\n"},
          {kErrorAlreadyExists, "Cannot create a file when that file already exists.\r\n"},
          {kErrorInvalidWindowHandle, "Invalid window handle.\r\n"},
      } {}

bool FakeMessages::format(std::uint32_t code, std::size_t capacity, std::string& text,
                          std::uint32_t& lastError) const {
    const auto entry = texts_.find(code);
    if (entry == texts_.end()) {
        lastError = kErrorMessageNotFound;
        return false;
    }
    if (entry->second.size() + 1 > capacity) {
        lastError = kErrorInsufficientBuffer;
        return false;
    }
    text = entry->second;
    return true;
}

} // namespace vevove::fake
