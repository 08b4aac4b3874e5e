#pragma once
// The values of the time and calendar types, with the C++ order and equality
// that the value bundles register ("=", "<", unique values, extrema):
//
//   Time                 "time": microseconds since 1970-01-01 00:00:00 UTC
//   TimeInterval         "time interval": signed microseconds
//   TimeZone             "time zone": offset from UTC in microseconds, east positive
//   Date                 "date": a valid calendar date (years 0 to 9999)
//   TimeOfDay            "time of day": hour < 24, minute < 60, second < 60
//   ZonedTimeOfDay       "time of day with time zone"
//   TimeRange            "time range": start <= end
//   DayOfWeek            "day of week": 0 (Sunday) to 6
//   DayOfMonth           "day of month": 1 to 31
//   DayOfYear            "day of year": a month and a day that exists in a leap year
//   Month                "month": 1 to 12
//   MonthAndYear         "month and year": month 1 to 12, year 0 to 9999
//   NumberOfMonths       "number of months": a signed count
//   Year                 "year": 0 to 9999
//
// Every maker of a value keeps these ranges; the inspectors rely on them.
#include <cstdint>
#include <tuple>

#include "registry/GuardType.h"
#include "registry/HashAccumulator.h"

namespace guard {

struct Time {
    std::int64_t count;
};
struct TimeInterval {
    std::int64_t count;
};
struct TimeZone {
    std::int64_t offset;
};
struct Date {
    std::int32_t year;
    std::uint8_t month;
    std::uint8_t day;
};
struct TimeOfDay {
    std::uint8_t hour;
    std::uint8_t minute;
    std::uint8_t second;

    std::int64_t seconds() const { return std::int64_t(hour) * 3600 + minute * 60 + second; }
};
struct ZonedTimeOfDay {
    TimeOfDay time;
    TimeZone zone;
};
struct TimeRange {
    Time start;
    Time end;
};
struct DayOfWeek {
    std::int32_t day;
};
struct DayOfMonth {
    std::int64_t day;
};
struct DayOfYear {
    std::uint8_t month;
    std::uint8_t day;
};
struct Month {
    std::int64_t month;
};
struct MonthAndYear {
    std::int64_t month;
    std::int64_t year;
};
struct NumberOfMonths {
    std::int64_t count;
};
struct Year {
    std::int64_t year;
};

// The seconds of the day in UTC at which a zoned time of day falls (0 to 86 399).
std::int64_t universalSecondOfDay(const ZonedTimeOfDay& value);

inline bool operator==(Time a, Time b) { return a.count == b.count; }
inline bool operator<(Time a, Time b) { return a.count < b.count; }
inline bool operator==(TimeInterval a, TimeInterval b) { return a.count == b.count; }
inline bool operator<(TimeInterval a, TimeInterval b) { return a.count < b.count; }
inline bool operator==(TimeZone a, TimeZone b) { return a.offset == b.offset; }
inline bool operator<(TimeZone a, TimeZone b) { return a.offset < b.offset; }
inline bool operator==(Date a, Date b) { return a.year == b.year && a.month == b.month && a.day == b.day; }
inline bool operator<(Date a, Date b) { return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day); }
inline bool operator==(TimeOfDay a, TimeOfDay b) { return a.seconds() == b.seconds(); }
inline bool operator<(TimeOfDay a, TimeOfDay b) { return a.seconds() < b.seconds(); }
// Two zoned times of day are the same when they fall at the same moment of
// the UTC day: "12:00:00 +0100" = "11:00:00 +0000".
inline bool operator==(const ZonedTimeOfDay& a, const ZonedTimeOfDay& b)
{
    return universalSecondOfDay(a) == universalSecondOfDay(b);
}
inline bool operator<(const ZonedTimeOfDay& a, const ZonedTimeOfDay& b)
{
    return universalSecondOfDay(a) < universalSecondOfDay(b);
}
inline bool operator==(const TimeRange& a, const TimeRange& b) { return a.start == b.start && a.end == b.end; }
inline bool operator<(const TimeRange& a, const TimeRange& b)
{
    return std::tie(a.start.count, a.end.count) < std::tie(b.start.count, b.end.count);
}
inline bool operator==(DayOfWeek a, DayOfWeek b) { return a.day == b.day; }
inline bool operator<(DayOfWeek a, DayOfWeek b) { return a.day < b.day; }
inline bool operator==(DayOfMonth a, DayOfMonth b) { return a.day == b.day; }
inline bool operator<(DayOfMonth a, DayOfMonth b) { return a.day < b.day; }
inline bool operator==(DayOfYear a, DayOfYear b) { return a.month == b.month && a.day == b.day; }
inline bool operator<(DayOfYear a, DayOfYear b) { return std::tie(a.month, a.day) < std::tie(b.month, b.day); }
inline bool operator==(Month a, Month b) { return a.month == b.month; }
inline bool operator<(Month a, Month b) { return a.month < b.month; }
inline bool operator==(MonthAndYear a, MonthAndYear b) { return a.month == b.month && a.year == b.year; }
inline bool operator<(MonthAndYear a, MonthAndYear b) { return std::tie(a.year, a.month) < std::tie(b.year, b.month); }
inline bool operator==(NumberOfMonths a, NumberOfMonths b) { return a.count == b.count; }
inline bool operator<(NumberOfMonths a, NumberOfMonths b) { return a.count < b.count; }
inline bool operator==(Year a, Year b) { return a.year == b.year; }
inline bool operator<(Year a, Year b) { return a.year < b.year; }

// The types' names, the value sizes the language gives them where it gives
// one (whatever this build's layout takes), and the hash of the types that
// the language hashes: over the bytes that identify the value.
#define GUARD_TIME_TYPE(T, text)                                                                                       \
    template <>                                                                                                        \
    struct GuardType<T> {                                                                                              \
        static constexpr const char* name = text;                                                                      \
        static constexpr bool selfContained = true;                                                                    \
    }
#define GUARD_SIZED_TIME_TYPE(T, text, size)                                                                           \
    template <>                                                                                                        \
    struct GuardType<T> {                                                                                              \
        static constexpr const char* name = text;                                                                      \
        static constexpr bool selfContained = true;                                                                    \
        static constexpr std::uint32_t valueSize = size;                                                               \
    }
#define GUARD_HASHED_TIME_TYPE(T, text, size, member)                                                                  \
    template <>                                                                                                        \
    struct GuardType<T> {                                                                                              \
        static constexpr const char* name = text;                                                                      \
        static constexpr bool selfContained = true;                                                                    \
        static constexpr std::uint32_t valueSize = size;                                                               \
        static void hash(HashAccumulator& accumulator, const T& value)                                                 \
        {                                                                                                              \
            accumulator.addBytes(&value.member, sizeof value.member);                                                  \
        }                                                                                                              \
    }

GUARD_HASHED_TIME_TYPE(Time, "time", 8, count);
GUARD_HASHED_TIME_TYPE(TimeInterval, "time interval", 8, count);
GUARD_HASHED_TIME_TYPE(TimeZone, "time zone", 8, offset);
GUARD_SIZED_TIME_TYPE(ZonedTimeOfDay, "time of day with time zone", 16);
GUARD_SIZED_TIME_TYPE(TimeRange, "time range", 16);
GUARD_SIZED_TIME_TYPE(DayOfWeek, "day of week", 4);
GUARD_SIZED_TIME_TYPE(DayOfMonth, "day of month", 8);
GUARD_TIME_TYPE(DayOfYear, "day of year");
GUARD_TIME_TYPE(Month, "month");
GUARD_SIZED_TIME_TYPE(MonthAndYear, "month and year", 16);
GUARD_TIME_TYPE(NumberOfMonths, "number of months");
GUARD_TIME_TYPE(Year, "year");

// A date is identified by its day, month and year; a time of day by its
// hour, minute and second.
template <>
struct GuardType<Date> {
    static constexpr const char* name = "date";
    static constexpr bool selfContained = true;
    static constexpr std::uint32_t valueSize = 24;
    static void hash(HashAccumulator& accumulator, const Date& value)
    {
        const std::int64_t fields[3] = {value.day, value.month, value.year};
        accumulator.addBytes(fields, sizeof fields);
    }
};
template <>
struct GuardType<TimeOfDay> {
    static constexpr const char* name = "time of day";
    static constexpr bool selfContained = true;
    static constexpr std::uint32_t valueSize = 8;
    static void hash(HashAccumulator& accumulator, const TimeOfDay& value)
    {
        const std::uint8_t fields[3] = {value.hour, value.minute, value.second};
        accumulator.addBytes(fields, sizeof fields);
    }
};

#undef GUARD_TIME_TYPE

} // namespace guard
