#include "schedule/daily_schedule.h"

#include <gtest/gtest.h>

#include "fakes/memory_store.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;

// 9 December 2026 as an OLE date, and a time of day on it.
constexpr double kDay = 46365.0;
double At(int h, int m, int s, double day = kDay)
{
    return day + (h * 3600 + m * 60 + s) * kSecond;
}

TEST(SameTimeOfDay, ComparesToTheSecondAcrossDays)
{
    const struct {
        double a, b;
        bool same;
    } cases[] = {
        {At(22, 30, 0), At(22, 30, 0), true},
        {At(22, 30, 0), At(22, 30, 0, kDay - 365), true},   // a year apart
        {At(22, 30, 0, kDay - 365), At(22, 30, 0), true},   // order does not matter
        {At(0, 0, 0), At(0, 0, 0, kDay + 1), true},
        {At(22, 30, 0), At(22, 30, 1), false},
        {At(22, 30, 0), At(22, 31, 0), false},
        {At(22, 30, 0), At(23, 30, 0), false},
        {At(22, 30, 0), At(22, 30, 0, kDay + 1) + 3600 * kSecond, false},
        {At(23, 59, 59), At(0, 0, 0, kDay + 1), false},
        {At(0, 0, 0), At(12, 0, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(SameTimeOfDay(c.a, c.b), c.same) << c.a << " " << c.b;
}

TEST(SameTimeOfDay, RoundsTheSpanToTheNearestSecond)
{
    const double base = At(10, 0, 0);
    const struct {
        double spanSeconds;
        bool same;
    } cases[] = {
        {0.0, true},      {0.499, true},     {-0.499, true}, {0.501, false},
        {-0.501, false},  {86399.501, true}, {86399.499, false}, {1.0, false},
        {86400.4, true},  {59.6, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameTimeOfDay(base + c.spanSeconds * kSecond, base), c.same) << c.spanSeconds;
        EXPECT_EQ(SameTimeOfDay(base, base + c.spanSeconds * kSecond), c.same) << c.spanSeconds;
    }
}

TEST(SecondOfDay, RoundsAndHandlesDatesBefore1900)
{
    EXPECT_EQ(SecondOfDay(At(22, 30, 15)), 81015);
    EXPECT_EQ(SecondOfDay(At(22, 30, 15) + 0.4 * kSecond), 81015);
    EXPECT_EQ(SecondOfDay(At(23, 59, 59) + 0.6 * kSecond), 0);
    EXPECT_EQ(SecondOfDay(-1.25), 6 * 3600);  // 29 December 1899, 06:00
    EXPECT_EQ(SecondOfDay(0.5), 12 * 3600);
    EXPECT_EQ(SecondOfDay(1e300), 0);
}

TEST(DailyTrigger, FiresAtTheFirstTickUpToAFewSecondsLate)
{
    const struct {
        int lateSeconds;
        bool due;
    } cases[] = {{-1, false}, {0, true}, {1, true}, {kDailyLateToleranceSeconds, true},
                 {kDailyLateToleranceSeconds + 1, false}, {3600, false}};
    for (const auto& c : cases) {
        CDailyTrigger trigger;
        EXPECT_EQ(trigger.Due(At(22, 30, 0) + c.lateSeconds * kSecond, At(22, 30, 0, kDay - 40)), c.due)
            << c.lateSeconds;
    }
}

// Each row is one tick of the same trigger, in order.
TEST(DailyTrigger, FiresOncePerOccurrence)
{
    const struct {
        const char* what;
        double now, at;
        bool due;
    } ticks[] = {
        {"a second early", At(22, 29, 59), At(22, 30, 0, kDay - 3), false},
        {"on the second", At(22, 30, 0), At(22, 30, 0, kDay - 3), true},
        {"same second again (repeated hour)", At(22, 30, 0), At(22, 30, 0, kDay - 3), false},
        {"later ticks that day", At(22, 30, 4), At(22, 30, 0, kDay - 3), false},
        {"next evening, a late tick", At(22, 30, 2, kDay + 1), At(22, 30, 0, kDay - 3), true},
        {"next evening, next tick", At(22, 30, 3, kDay + 1), At(22, 30, 0, kDay - 3), false},
        {"a newly saved time that day", At(23, 0, 1, kDay + 1), At(23, 0, 0), true},
        {"late tick after midnight", At(0, 0, 1, kDay + 3), At(23, 59, 58), true},
        {"its next tick", At(0, 0, 2, kDay + 3), At(23, 59, 58), false},
        {"that evening", At(23, 59, 58, kDay + 3), At(23, 59, 58), true},
    };
    CDailyTrigger trigger;
    for (const auto& t : ticks) EXPECT_EQ(trigger.Due(t.now, t.at), t.due) << t.what;
}

class FixedCodec : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring& text) override
    {
        if (text == L"bad") return std::nullopt;
        return std::stod(text);
    }
    std::wstring Format(double date) override { return std::to_wstring(date); }
};

TEST(DailySchedule, NeedsTheFlagAndAReadableTime)
{
    const struct {
        int offFlag;
        const wchar_t* offText;
        int onFlag;
        const wchar_t* onText;
        bool offDue, onDue;
    } cases[] = {
        {1, L"46000.9375", 1, L"46000.3", true, false},  // 22:30:00 stored; now 22:30:00
        {0, L"46000.9375", 0, L"46000.9375", false, false},
        {1, L"", 1, L"bad", false, false},
        {1, L"bad", 1, L"46001.9375", false, true},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        FixedCodec codec;
        store.WriteInt(L"Settings", L"Turn Off Daily", c.offFlag);
        store.WriteString(L"Settings", L"Turn Off Daily Time", c.offText);
        store.WriteInt(L"Settings", L"Turn On Daily", c.onFlag);
        store.WriteString(L"Settings", L"Turn On Daily Time", c.onText);
        CAppSettings settings(store, codec);
        CDailySchedule schedule;
        const double now = At(22, 30, 0);
        EXPECT_EQ(schedule.SwitchOffDue(settings, now), c.offDue) << c.offText;
        EXPECT_EQ(schedule.SwitchOnDue(settings, now), c.onDue) << c.onText;
        EXPECT_FALSE(schedule.SwitchOffDue(settings, now));
        EXPECT_FALSE(schedule.SwitchOnDue(settings, now));
    }
}

}  // namespace
