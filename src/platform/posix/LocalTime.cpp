#include "platform/TimeText.h"

#include <time.h>

namespace guard {

namespace Platform {

std::int64_t currentTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

int localZoneOffset(std::int64_t time)
{
    time_t seconds = static_cast<time_t>(time / 1000000);
    tm local{};
    if (!localtime_r(&seconds, &local))
        return 0;
    return static_cast<int>(local.tm_gmtoff);
}

} // namespace Platform

} // namespace guard
