#include "schedule/battery_win.h"

#include "actions/system_requests.h"

void CBattery::Refresh()
{
    SYSTEM_POWER_STATUS status{};
    if (!System().GetSystemPowerStatus(status)) {
        m_valid = 0;
        return;
    }
    m_status = status;
    m_acLineStatus = status.ACLineStatus;
    m_batteryFlag = status.BatteryFlag;
    m_fullLifeTime = status.BatteryFullLifeTime;
    m_lifeTime = status.BatteryLifeTime;
    m_lifePercent = status.BatteryLifePercent;
    m_valid = 1;
}
