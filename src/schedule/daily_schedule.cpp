#include "schedule/daily_schedule.h"

#include <cmath>

namespace {

constexpr long long kSecondsPerDay = 86400;

// Whole local seconds since 30 December 1899, rounded to the nearest second.
long long LocalSeconds(double date)
{
    // Beyond the dates the variant conversions accept; nothing stored reaches it.
    if (!(std::fabs(date) < 1e7)) return 0;
    const double days = std::floor(date);
    double fraction = date - days;
    if (date < 0) {
        // A negative OLE date counts its days backwards but its time forwards:
        // -1.25 is 29 December 1899, 06:00.
        const double whole = std::ceil(date);
        fraction = whole - date;
        return static_cast<long long>(whole) * kSecondsPerDay +
               static_cast<long long>(std::floor(fraction * kSecondsPerDay + 0.5));
    }
    return static_cast<long long>(days) * kSecondsPerDay +
           static_cast<long long>(std::floor(fraction * kSecondsPerDay + 0.5));
}

}  // namespace

bool SameTimeOfDay(double a, double b)
{
    double span = a >= b ? a - b : b - a;
    span += span >= 0 ? kHalfSecondInDays : -kHalfSecondInDays;
    const double hours = std::fmod(std::trunc(span * 24), 24);
    const double minutes = std::fmod(std::trunc(span * 1440), 60);
    const double seconds = std::fmod(std::trunc(span * 86400), 60);
    return hours == 0 && minutes == 0 && seconds == 0;
}

int SecondOfDay(double date)
{
    if (!std::isfinite(date)) return 0;
    const long long seconds = LocalSeconds(date) % kSecondsPerDay;
    return static_cast<int>(seconds < 0 ? seconds + kSecondsPerDay : seconds);
}

bool CDailyTrigger::Due(double now, double at)
{
    if (!std::isfinite(now) || !std::isfinite(at)) return false;
    const long long late = ((SecondOfDay(now) - SecondOfDay(at)) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    if (late > kDailyLateToleranceSeconds) return false;
    const long long occurrence = LocalSeconds(now) - late;
    if (m_fired && occurrence == m_lastOccurrence) return false;
    m_fired = true;
    m_lastOccurrence = occurrence;
    return true;
}

bool CDailySchedule::SwitchOffDue(CAppSettings& settings, double now)
{
    if (!settings.GetDailyOffEnabled()) return false;
    COleTime at;
    if (!settings.GetDailyOffTime(at) || !at.valid) return false;
    return m_off.Due(now, at.value);
}

bool CDailySchedule::SwitchOnDue(CAppSettings& settings, double now)
{
    if (!settings.GetDailyOnEnabled()) return false;
    COleTime at;
    if (!settings.GetDailyOnTime(at) || !at.valid) return false;
    return m_on.Due(now, at.value);
}
