#pragma once
// The clock as the schedule and the wake-up timer read it.
#include <windows.h>

#include "schedule/wake_up_time.h"

// The current local date and time in whole seconds, as an OLE date.
double LocalNowAsOleDate();
// OLE date <-> SYSTEMTIME through the variant conversions; false when the
// value is not a representable date.
bool OleDateToSystemTime(double date, SYSTEMTIME& time);
bool SystemTimeToOleDate(SYSTEMTIME time, double& date);
// GetSystemTime, then GetLocalTime, as FILETIME counts.
WakeClock ReadWakeClock();
// A local wall-clock time to the timer's UTC count, with the time-zone rules
// in force on that date (so a wake-up across a daylight-saving change is not
// an hour off). False when the time cannot be converted.
bool LocalTimeToDueTime(const SYSTEMTIME& local, ULONGLONG& dueUtc);
