// The stored daily times and their texts, read through the cached settings,
// and the time-of-day arithmetic of the daily actions with any date at all.
#include <cmath>
#include <limits>

#include "app/app_settings.h"
#include "fuzz_support.h"
#include "schedule/daily_schedule.h"

namespace {

// The locale conversions' answer for a stored text: unreadable, or any date,
// the non-finite ones included.
class CFuzzedDates final : public IDateTextCodec {
public:
    explicit CFuzzedDates(FuzzedDataProvider& data) : m_data(data) {}
    std::optional<double> Parse(const std::wstring&) override
    {
        if (m_data.ConsumeBool()) return std::nullopt;
        return ConsumeDate(m_data);
    }
    std::wstring Format(double date) override { return std::to_wstring(date); }

    static double ConsumeDate(FuzzedDataProvider& data)
    {
        switch (data.ConsumeIntegralInRange<int>(0, 4)) {
        case 0: return data.ConsumeFloatingPoint<double>();
        case 1: return std::numeric_limits<double>::quiet_NaN();
        case 2: return data.ConsumeBool() ? HUGE_VAL : -HUGE_VAL;
        default:
            // Near today, to the second, where the actions really fire.
            return (45000.0 * 86400 + data.ConsumeIntegralInRange<int>(-2 * 86400, 2 * 86400)) / 86400.0;
        }
    }

private:
    FuzzedDataProvider& m_data;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const double a = CFuzzedDates::ConsumeDate(data);
    const double b = CFuzzedDates::ConsumeDate(data);

    const int second = SecondOfDay(a);
    FUZZ_CHECK(second >= 0 && second < 86400);
    if (std::isfinite(a) && std::fabs(a) < 1e7) {
        FUZZ_CHECK(SameTimeOfDay(a, a));
        // A whole number of days later is the same time of day (for dates on
        // whole seconds, as stored: near a half second the sum may round the
        // other way).
        const double seconds = a * 86400;
        if (a >= 0 && std::fabs(seconds - std::nearbyint(seconds)) < 1e-3) FUZZ_CHECK(SecondOfDay(a + 3) == second);
    }
    SameTimeOfDay(a, b);

    // A trigger fires at most once per occurrence, however often it is asked.
    CDailyTrigger trigger;
    if (trigger.Due(a, b)) FUZZ_CHECK(!trigger.Due(a, b));

    CFuzzedStore store(data);
    CFuzzedDates dates(data);
    CAppSettings settings(store, dates);
    CDailySchedule schedule;
    for (int tick = 0; tick < 16 && data.remaining_bytes() > 0; ++tick) {
        const double now = CFuzzedDates::ConsumeDate(data);
        schedule.SwitchOffDue(settings, now);
        schedule.SwitchOnDue(settings, now);
        COleTime time;
        if (settings.GetDailyOffTime(time) == 0) FUZZ_CHECK(!time.valid);
        // Once a time is known, what is set is what the cache then serves.
        const bool known = settings.GetDailyOnTime(time) == 1;
        const COleTime stored{CFuzzedDates::ConsumeDate(data), data.ConsumeBool()};
        settings.SetDailyOnTime(stored);
        if (known) {
            COleTime read;
            FUZZ_CHECK(settings.GetDailyOnTime(read) == 1);
            FUZZ_CHECK(read.valid == stored.valid);
            FUZZ_CHECK(read.value == stored.value || (std::isnan(read.value) && std::isnan(stored.value)));
        }
    }
    ReadAlertTextIdle(store);
    ReadLowPowerText(store);
    return 0;
}
