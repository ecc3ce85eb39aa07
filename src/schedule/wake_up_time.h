#pragma once
// Arithmetic of the wake-up timer. Portable. Times are FILETIME counts:
// 100-nanosecond intervals since 1 January 1601; a "local" count is a local
// wall-clock time read as if it were UTC.
#include <cstdint>

inline constexpr int64_t kTicksPerSecond = 10000000;

// Bounds of the "A&fter" fields. 720 hours (30 days) is far beyond any
// sensible hibernation and keeps the due time well inside the timer's range.
inline constexpr int kWakeHoursMin = 0;
inline constexpr int kWakeHoursMax = 720;
inline constexpr int kWakeMinutesMin = 0;
inline constexpr int kWakeMinutesMax = 59;

// A wake-up must lie at least this far after the moment of OK, or it would
// pass before the computer has gone into hibernation.
inline constexpr int64_t kMinimumWakeLeadSeconds = 60;
// Right before the hibernate request (after any countdown) at least this
// much must remain; writing the memory image takes time of its own.
inline constexpr int64_t kMinimumHibernateLeadSeconds = 30;

// Both clocks, read one right after the other.
struct WakeClock {
    uint64_t utc = 0;
    uint64_t local = 0;
};

// UTC minus local, rounded to whole seconds so that the two reads falling
// into different milliseconds do not shift the result.
int64_t ClockOffsetTicks(const WakeClock& now);

// The local wall-clock count turned into the timer's UTC count by adding
// `offsetTicks` (UTC minus local), in 64-bit arithmetic with carry.
uint64_t DueTimeFromLocal(uint64_t wakeLocal, int64_t offsetTicks);

// "A&fter": the current local time in whole seconds plus the span, passed to
// the system as the equivalent UTC instant (the current offset applies, so the
// wake-up comes after exactly that span, daylight saving or not).
uint64_t DueTimeAfter(const WakeClock& now, int hours, int minutes);

// Whole seconds from now (local whole seconds as UTC) until `due`; negative
// when it has passed.
int64_t SecondsUntil(uint64_t due, const WakeClock& now);

// The dialog accepts a due time at least kMinimumWakeLeadSeconds ahead.
bool WakeTimeAcceptable(uint64_t due, const WakeClock& now);
// The hibernate request is made only with kMinimumHibernateLeadSeconds left.
bool EnoughTimeToHibernate(uint64_t due, const WakeClock& now);
