// "A&t" of the wake-up dialog in a zone with daylight saving: CTest runs this
// file with TZ=Europe/Berlin (UTC+1 in winter, UTC+2 in summer), so a wake-up
// in the other season than today's is converted with its own offset.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "schedule/dlg_hibernate_resume.h"
#include "win/modal_script.h"
#include "win/test_app.h"

namespace {

ULONGLONG UtcCount(WORD year, WORD month, WORD day, WORD hour)
{
    const SYSTEMTIME utc{year, month, 0, day, hour, 14, 15, 0};
    FILETIME file{};
    SystemTimeToFileTime(&utc, &file);
    return (static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

TEST(WakeUpAt, DateFromTheDateControlTimeFromTheTimeControlWithThatDaysOffset)
{
    TIME_ZONE_INFORMATION zone{};
    GetTimeZoneInformation(&zone);
    ASSERT_EQ(zone.Bias, -60) << "runs with TZ=Europe/Berlin";
    ResetTestProfile();
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const WORD year = static_cast<WORD>(now.wYear + 1);
    // Winter and summer of next year: one of them lies across a change from today.
    const struct {
        WORD month;
        WORD utcHour;
    } rows[] = {{1, 12}, {7, 11}};
    for (const auto& r : rows) {
        CDlgHibernateAndResume dlg;
        CModalScript script;
        script.Then([&] {
            HWND h = FindThreadDialog(L"Umbrix - Hibernate & WakeUp");
            if (!h) return false;
            // Each control carries a decoy for the part it must not supply.
            SYSTEMTIME date{year, r.month, 0, 15, 3, 4, 5, 0};
            SYSTEMTIME time = now;
            time.wHour = 13;
            time.wMinute = 14;
            time.wSecond = 15;
            SendMessageW(GetDlgItem(h, IDC_RESUME_DATE), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
            SendMessageW(GetDlgItem(h, IDC_RESUME_TIME), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
            PostClick(h, IDC_RESUME_AT);
            PostClick(h, IDOK);
            return true;
        });
        script.Start();
        ASSERT_EQ(dlg.DoModal(), IDOK) << r.month;
        EXPECT_EQ(dlg.m_dueTime, UtcCount(year, r.month, 15, r.utcHour)) << r.month;
    }
}

}  // namespace
