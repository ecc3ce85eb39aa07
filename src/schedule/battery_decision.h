#pragma once
// Decisions on the reported power status. Portable.
#include <string>

// Battery flag bits as the system reports them.
inline constexpr int kBatteryFlagHigh = 1;
inline constexpr int kBatteryFlagLow = 2;
inline constexpr int kBatteryFlagCritical = 4;
inline constexpr int kBatteryFlagCharging = 8;
inline constexpr int kBatteryFlagNoBattery = 128;
inline constexpr int kBatteryFlagUnknown = 255;

// True when the low-battery alert is to be spoken: the battery is low or
// critical and not charging, and there is a battery whose state is known.
// A critical battery speaks too: that is when the warning matters most.
bool LowBatteryAlertDue(int batteryFlag);

// The hibernate dialog's note for the mains-power state (0 off line, 1 on
// line, 255 unknown); empty for any other value.
std::wstring PowerNoteText(int acLineStatus);

// The battery dialog's status line for a status read: `valid` false when the
// read failed.
std::wstring BatteryStatusText(bool valid, int batteryFlag, int lifePercent, int acLineStatus);
