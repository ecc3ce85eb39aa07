#include "schedule/wake_up_time.h"

#include <gtest/gtest.h>

namespace {

// FILETIME count of a civil date and time (proleptic Gregorian).
uint64_t Ticks(int y, int m, int d, int hh, int mm, int ss, int ms = 0)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int64_t daysSince1970 = static_cast<int64_t>(era) * 146097 + doe - 719468;
    const int64_t daysSince1601 = daysSince1970 + 134774;
    const int64_t seconds = daysSince1601 * 86400 + hh * 3600 + mm * 60 + ss;
    return static_cast<uint64_t>(seconds) * kTicksPerSecond + static_cast<uint64_t>(ms) * 10000;
}

TEST(WakeUpTime, CivilHelperMatchesKnownCounts)
{
    EXPECT_EQ(Ticks(1601, 1, 1, 0, 0, 0), 0u);
    EXPECT_EQ(Ticks(1970, 1, 1, 0, 0, 0), 116444736000000000ull);
}

TEST(WakeUpTime, AfterAddsTheSpanToLocalNowAndPassesItAsUtc)
{
    const struct {
        WakeClock now;
        int hours, minutes;
        uint64_t due;
    } cases[] = {
        // 10:00:00 local at UTC+1: 1 h 30 min later is 11:30:00 local, 10:30:00 UTC.
        {{Ticks(2026, 3, 10, 9, 0, 0), Ticks(2026, 3, 10, 10, 0, 0)}, 1, 30, Ticks(2026, 3, 10, 10, 30, 0)},
        // West of UTC, across midnight and a month end.
        {{Ticks(2026, 2, 1, 3, 0, 0), Ticks(2026, 1, 31, 22, 0, 0)}, 2, 15, Ticks(2026, 2, 1, 5, 15, 0)},
        // Milliseconds of the reads are dropped; a read straddling a millisecond does not shift the offset.
        {{Ticks(2026, 3, 10, 9, 0, 0, 501), Ticks(2026, 3, 10, 10, 0, 0, 500)}, 0, 1, Ticks(2026, 3, 10, 9, 1, 0)},
        // Zero offset, hours only, a long span.
        {{Ticks(2026, 12, 9, 12, 0, 0), Ticks(2026, 12, 9, 12, 0, 0)}, 720, 0, Ticks(2027, 1, 8, 12, 0, 0)},
        // Offset of +5:30 and a delay of nothing.
        {{Ticks(2026, 6, 1, 6, 30, 0), Ticks(2026, 6, 1, 12, 0, 0)}, 0, 0, Ticks(2026, 6, 1, 6, 30, 0)},
    };
    for (const auto& c : cases) EXPECT_EQ(DueTimeAfter(c.now, c.hours, c.minutes), c.due);
}

TEST(WakeUpTime, LocalToUtcCarriesAcrossTheLowHalf)
{
    const uint64_t lowFull = 0x00000001FFFFFFFFull;
    EXPECT_EQ(DueTimeFromLocal(lowFull, 1), 0x0000000200000000ull);
    EXPECT_EQ(DueTimeFromLocal(0x0000000200000000ull, -1), lowFull);
    EXPECT_EQ(DueTimeFromLocal(Ticks(2026, 3, 10, 11, 30, 0), -3600 * kTicksPerSecond),
              Ticks(2026, 3, 10, 10, 30, 0));
}

TEST(WakeUpTime, OffsetIsRoundedToWholeSeconds)
{
    EXPECT_EQ(ClockOffsetTicks({Ticks(2026, 1, 1, 9, 0, 0, 1), Ticks(2026, 1, 1, 10, 0, 0)}),
              -3600 * kTicksPerSecond);
    EXPECT_EQ(ClockOffsetTicks({Ticks(2026, 1, 1, 10, 0, 0), Ticks(2026, 1, 1, 4, 59, 59, 999)}),
              18000 * kTicksPerSecond);
    // Clock readings at the ends of the range round without overflowing.
    EXPECT_EQ(ClockOffsetTicks({0x7FFFFFFFFFFFFFFFull, 0}), 922337203685 * kTicksPerSecond);
    EXPECT_EQ(ClockOffsetTicks({0, 0x7FFFFFFFFFFFF000ull}), -922337203685 * kTicksPerSecond);
    EXPECT_EQ(ClockOffsetTicks({0x8000000000000000ull, 0}), -922337203685 * kTicksPerSecond);
}

TEST(WakeUpTime, LeadRulesForTheDialogAndTheHibernateRequest)
{
    const WakeClock now{Ticks(2026, 3, 10, 9, 0, 0, 300), Ticks(2026, 3, 10, 10, 0, 0, 300)};
    const struct {
        uint64_t due;
        int64_t seconds;
        bool acceptable, enough;
    } cases[] = {
        {Ticks(2026, 3, 10, 9, 1, 0), 60, true, true},
        {Ticks(2026, 3, 10, 9, 0, 59), 59, false, true},
        {Ticks(2026, 3, 10, 9, 0, 30), 30, false, true},
        {Ticks(2026, 3, 10, 9, 0, 29), 29, false, false},
        {Ticks(2026, 3, 10, 9, 0, 0), 0, false, false},
        {Ticks(2026, 3, 10, 8, 0, 0), -3600, false, false},
        {Ticks(2026, 3, 12, 9, 0, 0), 172800, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SecondsUntil(c.due, now), c.seconds);
        EXPECT_EQ(WakeTimeAcceptable(c.due, now), c.acceptable) << c.seconds;
        EXPECT_EQ(EnoughTimeToHibernate(c.due, now), c.enough) << c.seconds;
    }
    EXPECT_TRUE(WakeTimeAcceptable(DueTimeAfter(now, 0, 1), now));
    EXPECT_FALSE(WakeTimeAcceptable(DueTimeAfter(now, 0, 0), now));
}

}  // namespace
