#include "schedule/daily_schedule_win.h"

#include "actions/display_ops.h"
#include "actions/dlg_confirmation.h"
#include "app/date_codec_win.h"
#include "framework/app.h"
#include "schedule/daily_schedule.h"
#include "schedule/local_time_win.h"

namespace {

void SwitchOff(HWND owner)
{
    ISettingsStore& profile = AfxProfile();
    if (profile.ReadInt(kSettingsSection, L"Turn Off Daily Confirmation", 0) == 1) {
        CDlgConfirmation confirmation(owner);
        if (confirmation.DoModal() != IDOK) return;
    }
    // Read after the countdown: the box may have been changed meanwhile.
    MonitorOff(profile.ReadInt(kSettingsSection, L"Lock Daily", 0));
}

}  // namespace

void CheckDailySchedule(HWND owner)
{
    static CDailySchedule schedule;
    CheckDailySchedule(owner, AppSettings(), schedule, LocalNowAsOleDate());
}

void CheckDailySchedule(HWND owner, CAppSettings& settings, CDailySchedule& schedule, double now)
{
    // Each action counts as done before it runs: the countdown's nested loop
    // enters this check again every second.
    if (schedule.SwitchOffDue(settings, now)) SwitchOff(owner);
    if (schedule.SwitchOnDue(settings, now)) MonitorOn();
}
