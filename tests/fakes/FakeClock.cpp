#include "tests/fakes/FakeClock.h"

#include "tests/fakes/FakeErrorCodes.h"

#include <limits>

namespace vevove::fake {

namespace {

constexpr std::int64_t kTicksPerDay = 24 * kTicksPerHour;
constexpr std::int64_t kDaysFrom1601To1970 = 134774;
constexpr FileTime kLargestFileTime = std::numeric_limits<std::int64_t>::max();

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 of a Gregorian date, and back (Howard Hinnant's
// algorithms, valid far beyond the FILETIME range).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

} // namespace

FileTime MakeFileTime(int year, int month, int day, int hour, int minute, int second) {
    const std::int64_t days =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kDaysFrom1601To1970;
    const std::int64_t seconds = ((days * 24 + hour) * 60 + minute) * 60 + second;
    return static_cast<FileTime>(seconds * kTicksPerSecond);
}

bool FakeClock::toLocal(FileTime utc, FileTime& local, std::uint32_t& lastError) const {
    std::int64_t result = 0;
    if (utc > kLargestFileTime ||
        __builtin_add_overflow(static_cast<std::int64_t>(utc), localOffset, &result) ||
        result < 0) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    local = static_cast<FileTime>(result);
    return true;
}

bool ToDosDateTime(FileTime time, std::uint16_t& date, std::uint16_t& dosTime,
                   std::uint32_t& lastError) {
    if (time > kLargestFileTime) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    const auto ticks = static_cast<std::int64_t>(time);
    const CivilDate civil = CivilFromDays(ticks / kTicksPerDay - kDaysFrom1601To1970);
    if (civil.year < 1980 || civil.year > 2107) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    const std::int64_t secondOfDay = ticks % kTicksPerDay / kTicksPerSecond;
    date = static_cast<std::uint16_t>(((civil.year - 1980) << 9) | (civil.month << 5) | civil.day);
    dosTime = static_cast<std::uint16_t>((secondOfDay / 3600) << 11 | (secondOfDay / 60 % 60) << 5 |
                                         (secondOfDay % 60) / 2);
    return true;
}

} // namespace vevove::fake
