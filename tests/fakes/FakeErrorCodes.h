// The Win32 last-error codes that the fake sets, with their system names.
#pragma once

#include <cstdint>

namespace vevove::fake {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr std::uint32_t kErrorDiskFull = 112;
constexpr std::uint32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorAlreadyExists = 183;
constexpr std::uint32_t kErrorPartialCopy = 299;
constexpr std::uint32_t kErrorInvalidAddress = 487;
constexpr std::uint32_t kErrorNoAccess = 998;
constexpr std::uint32_t kErrorMessageNotFound = 317; // ERROR_MR_MID_NOT_FOUND
constexpr std::uint32_t kErrorInvalidWindowHandle = 1400;

} // namespace vevove::fake
