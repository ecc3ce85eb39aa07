#include "schedule/battery_decision.h"

bool LowBatteryAlertDue(int batteryFlag)
{
    if (batteryFlag == kBatteryFlagUnknown) return false;
    if (batteryFlag & (kBatteryFlagNoBattery | kBatteryFlagCharging)) return false;
    return (batteryFlag & (kBatteryFlagLow | kBatteryFlagCritical)) != 0;
}

std::wstring PowerNoteText(int acLineStatus)
{
    switch (acLineStatus) {
    case 0:
        return L"Note : Computer is Battery Powered. WakeUp Operation Might Require Connection with Electricity to "
               L"Work.";
    case 1:
        return L"Note : Computer is Connected to Electricity which is required for WakeUp Operation to Work.";
    case 255:
        return L"Note : Power Status Unknown. WakeUp Operation Might Require Connection with Electricity to Work.";
    default:
        return {};
    }
}

std::wstring BatteryStatusText(bool valid, int batteryFlag, int lifePercent, int acLineStatus)
{
    if (!valid) return L"Battery Information is not Available.";
    if (batteryFlag == kBatteryFlagUnknown) return L"Battery Status Unknown.";
    if (batteryFlag & kBatteryFlagNoBattery) return L"No Battery Found. Computer is Running on Electricity.";
    std::wstring text = L"Battery Charge : ";
    text += lifePercent >= 0 && lifePercent <= 100 ? std::to_wstring(lifePercent) + L" %" : L"Unknown";
    if (batteryFlag & kBatteryFlagCharging)
        text += L", Charging";
    else if (acLineStatus == 0)
        text += L", on Battery";
    else if (acLineStatus == 1)
        text += L", Connected to Electricity";
    return text;
}
