#include "platform/WallClock.h"

#include <cstdlib>
#include <time.h>

namespace guard {

namespace Platform {

namespace {

struct FixedClock {
    bool fixed = false;
    std::int64_t microseconds = 0;
};

// GUARD_FIXED_NOW: an optional sign and 1 to 18 decimal digits, nothing else.
FixedClock readFixedClock()
{
    FixedClock clock;
    const char* text = std::getenv("GUARD_FIXED_NOW");
    if (!text)
        return clock;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    std::int64_t value = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9' && digits < 18; ++text, ++digits)
        value = value * 10 + (*text - '0');
    if (digits == 0 || *text != '\0')
        return clock;
    clock.fixed = true;
    clock.microseconds = negative ? -value : value;
    return clock;
}

} // namespace

std::int64_t currentTimeMicroseconds()
{
    static const FixedClock fixedClock = readFixedClock();
    if (fixedClock.fixed)
        return fixedClock.microseconds;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * 1000000 + std::int64_t(now.tv_nsec) / 1000;
}

std::int64_t zoneOffsetSecondsAt(std::int64_t microseconds)
{
    // Floor division, so that a time before 1970 falls in the right second.
    std::int64_t seconds = microseconds / 1000000;
    if (microseconds % 1000000 < 0)
        --seconds;
    static const bool zoneRead = (tzset(), true);
    (void)zoneRead;
    time_t whole = time_t(seconds);
    tm parts{};
    if (!localtime_r(&whole, &parts))
        return 0;
    return std::int64_t(parts.tm_gmtoff);
}

} // namespace Platform

} // namespace guard
