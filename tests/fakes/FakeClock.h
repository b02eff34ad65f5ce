// The system clock and time zone of the fake, and the FILETIME conversions
// that depend on them.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

namespace vevove::fake {

constexpr std::int64_t kTicksPerSecond = 10'000'000; // FILETIME counts 100 ns
constexpr std::int64_t kTicksPerHour = 3600 * kTicksPerSecond;

// The FILETIME of a calendar date and time (proleptic Gregorian, from 1601).
FileTime MakeFileTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

struct FakeClock {
    // The time that files get when they are created or written.
    FileTime now = MakeFileTime(2024, 5, 1, 12);
    // Added to UTC to give local time (a time zone east of Greenwich is
    // positive); no daylight saving.
    std::int64_t localOffset = 0;

    // FileTimeToLocalFileTime: fails with ERROR_INVALID_PARAMETER when the
    // time or its local form is not a valid FILETIME (above 0x7FFF...).
    bool toLocal(FileTime utc, FileTime& local, std::uint32_t& lastError) const;
};

// FileTimeToDosDateTime: fails with ERROR_INVALID_PARAMETER outside the years
// 1980 to 2107 that a DOS date can hold. Seconds are kept in steps of two.
bool ToDosDateTime(FileTime time, std::uint16_t& date, std::uint16_t& dosTime,
                   std::uint32_t& lastError);

} // namespace vevove::fake
