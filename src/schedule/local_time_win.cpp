#include "schedule/local_time_win.h"

#include <oleauto.h>

#include "framework/ole_dates.h"

namespace {

ULONGLONG Count(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

double LocalNowAsOleDate()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    double date = 0;
    SystemTimeToOleDate(now, date);
    return date;
}

bool OleDateToSystemTime(double date, SYSTEMTIME& time)
{
    time = SYSTEMTIME{};
    return OleVariantTimeToSystemTime(date, &time) != FALSE;
}

bool SystemTimeToOleDate(SYSTEMTIME time, double& date)
{
    time.wMilliseconds = 0;
    return SystemTimeToVariantTime(&time, &date) != FALSE;
}

WakeClock ReadWakeClock()
{
    SYSTEMTIME utc{}, local{};
    GetSystemTime(&utc);
    GetLocalTime(&local);
    FILETIME utcFile{}, localFile{};
    SystemTimeToFileTime(&utc, &utcFile);
    SystemTimeToFileTime(&local, &localFile);
    return WakeClock{Count(utcFile), Count(localFile)};
}

bool LocalTimeToDueTime(const SYSTEMTIME& local, ULONGLONG& dueUtc)
{
    SYSTEMTIME utc{};
    FILETIME file{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &file)) return false;
    dueUtc = Count(file);
    return true;
}
