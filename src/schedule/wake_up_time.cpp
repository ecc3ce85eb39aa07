#include "schedule/wake_up_time.h"

namespace {

uint64_t WholeSeconds(uint64_t ticks)
{
    return ticks - ticks % kTicksPerSecond;
}

}  // namespace

int64_t ClockOffsetTicks(const WakeClock& now)
{
    const int64_t offset = static_cast<int64_t>(now.utc - now.local);
    // Rounds half away from zero from the quotient and remainder: adding
    // half a second first would overflow for counts near the type's ends.
    const int64_t rest = offset % kTicksPerSecond;
    int64_t seconds = offset / kTicksPerSecond;
    if (rest >= kTicksPerSecond / 2) ++seconds;
    if (rest <= -kTicksPerSecond / 2) --seconds;
    return seconds * kTicksPerSecond;
}

uint64_t DueTimeFromLocal(uint64_t wakeLocal, int64_t offsetTicks)
{
    // Unsigned addition wraps modulo 2^64, which carries between the two
    // 32-bit halves of the count and also subtracts a negative offset.
    return wakeLocal + static_cast<uint64_t>(offsetTicks);
}

uint64_t DueTimeAfter(const WakeClock& now, int hours, int minutes)
{
    const int64_t span = (static_cast<int64_t>(hours) * 3600 + static_cast<int64_t>(minutes) * 60) * kTicksPerSecond;
    return DueTimeFromLocal(WholeSeconds(now.local) + static_cast<uint64_t>(span), ClockOffsetTicks(now));
}

int64_t SecondsUntil(uint64_t due, const WakeClock& now)
{
    const uint64_t nowUtc = DueTimeFromLocal(WholeSeconds(now.local), ClockOffsetTicks(now));
    const int64_t ticks = static_cast<int64_t>(due - nowUtc);
    return ticks / kTicksPerSecond;
}

bool WakeTimeAcceptable(uint64_t due, const WakeClock& now)
{
    return SecondsUntil(due, now) >= kMinimumWakeLeadSeconds;
}

bool EnoughTimeToHibernate(uint64_t due, const WakeClock& now)
{
    return SecondsUntil(due, now) >= kMinimumHibernateLeadSeconds;
}
