// The wake-up timer's arithmetic with any pair of clock readings and any
// span the "After" fields accept.
#include "fuzz_support.h"
#include "schedule/wake_up_time.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    WakeClock now;
    now.utc = data.ConsumeIntegral<std::uint64_t>();
    now.local = data.ConsumeBool() ? now.utc + data.ConsumeIntegralInRange<std::int64_t>(-14 * 3600, 14 * 3600) *
                                                   kTicksPerSecond
                                   : data.ConsumeIntegral<std::uint64_t>();
    const int hours = data.ConsumeIntegralInRange<int>(kWakeHoursMin, kWakeHoursMax);
    const int minutes = data.ConsumeIntegralInRange<int>(kWakeMinutesMin, kWakeMinutesMax);

    // The offset is whole seconds, and adding it to local time gives UTC
    // to within the rounding.
    const std::int64_t offset = ClockOffsetTicks(now);
    FUZZ_CHECK(offset % kTicksPerSecond == 0);
    const std::int64_t error = static_cast<std::int64_t>(now.utc - DueTimeFromLocal(now.local, offset));
    FUZZ_CHECK(error >= -kTicksPerSecond / 2 && error <= kTicksPerSecond / 2);

    // "After" comes exactly that span after now, wherever the clocks stand.
    const std::uint64_t due = DueTimeAfter(now, hours, minutes);
    FUZZ_CHECK(SecondsUntil(due, now) == static_cast<std::int64_t>(hours) * 3600 + minutes * 60);
    FUZZ_CHECK(WakeTimeAcceptable(due, now) == (hours * 60 + minutes >= 1));
    if (WakeTimeAcceptable(due, now)) FUZZ_CHECK(EnoughTimeToHibernate(due, now));

    const std::uint64_t other = data.ConsumeIntegral<std::uint64_t>();
    if (WakeTimeAcceptable(other, now)) FUZZ_CHECK(SecondsUntil(other, now) >= kMinimumWakeLeadSeconds);
    return 0;
}
