#pragma once
// When a daily action is due. Portable: the caller hands in the current local
// time and the cached settings, and carries out the answer.
#include "app/app_settings.h"

// Half a second in days: the rounding applied before a span is split into
// hours, minutes and seconds.
inline constexpr double kHalfSecondInDays = 0.5 / 86400.0;

// A tick may come this many seconds after the stored second and still fire:
// the user-interface thread is blocked now and then (monitor-off wait, corner
// wait, speech), and Windows drops the timer ticks it could not deliver.
inline constexpr int kDailyLateToleranceSeconds = 5;

// True when the two OLE dates show the same time of day to the second,
// whatever the number of whole days between them: the span, rounded to the
// nearest second, has hours, minutes and seconds all 0.
bool SameTimeOfDay(double a, double b);

// The time of day of an OLE date in whole seconds (0..86399), rounded to the
// nearest second. Dates before 30 December 1899 carry their time of day as
// the magnitude of the fraction.
int SecondOfDay(double date);

// One daily action's memory of its latest firing, so it fires at most once
// per occurrence of its stored second.
class CDailyTrigger {
public:
    // True when `now` (local OLE date, whole seconds) lies 0 to
    // kDailyLateToleranceSeconds seconds after the time of day of `at`, and
    // that occurrence has not fired yet; it then counts as fired. An
    // occurrence is the stored second on one calendar day, so a wall clock
    // that repeats an hour (end of daylight saving) does not fire it twice,
    // while a newly saved time can still fire later the same day.
    bool Due(double now, double at);

private:
    bool m_fired = false;
    long long m_lastOccurrence = 0;  // local seconds since 30 December 1899
};

// The two daily actions of the program.
class CDailySchedule {
public:
    // Each answers whether its action is due at `now` (local OLE date, whole
    // seconds) and, if so, counts it as done. An action without its enabled
    // flag or without a known, valid time is never due.
    bool SwitchOffDue(CAppSettings& settings, double now);
    bool SwitchOnDue(CAppSettings& settings, double now);

private:
    CDailyTrigger m_off;
    CDailyTrigger m_on;
};
