#include "schedule/battery_alert.h"

#include "actions/speech_win.h"
#include "actions/system_requests.h"
#include "app/app_settings.h"
#include "framework/app.h"
#include "schedule/battery_decision.h"

void OnPowerBroadcast()
{
    CheckLowBattery(AfxGetMainHwnd());
}

void CheckLowBattery(HWND owner)
{
    ISettingsStore& profile = AfxProfile();
    if (profile.ReadInt(kSettingsSection, L"Display Low Battery Alert", 0) == 0) return;
    SYSTEM_POWER_STATUS status{};
    if (!System().GetSystemPowerStatus(status)) {
        MessageBoxW(owner,
                    L"Failed to Load Battery Information\nYou might Wish to Disable Power Alerts from Umbrix Settings.",
                    AfxAppTitle(), MB_ICONERROR);
        return;
    }
    if (!LowBatteryAlertDue(status.BatteryFlag)) return;
    SpeakText(ReadLowPowerText(profile));
}
