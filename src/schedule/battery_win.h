#pragma once
// CBattery: the power status as last read through the system-request
// interface. Short-lived: construct it where the status is needed.
#include <windows.h>

class CBattery {
public:
    CBattery() { Refresh(); }
    virtual ~CBattery() = default;

    // Reads the status again. On failure only m_valid changes: the other
    // members keep the values of the last successful read.
    void Refresh();

    SYSTEM_POWER_STATUS m_status{};
    int m_acLineStatus = 255;     // 0 off line, 1 on line, 255 unknown
    int m_batteryFlag = 255;      // bit mask: 1 high, 2 low, 4 critical, 8 charging, 128 no battery; 255 unknown
    DWORD m_fullLifeTime = static_cast<DWORD>(-1);  // seconds, -1 unknown
    DWORD m_lifeTime = static_cast<DWORD>(-1);
    BYTE m_lifePercent = 255;     // 0..100, 255 unknown
    int m_valid = 0;
};
