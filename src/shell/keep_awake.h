#pragma once
// Keep-awake from the tray's "Keep Awake" submenu: "Until Turned Off" is the
// stored "KeepSystemActive" setting; "For 1 Hour" and "For 4 Hours" keep the
// system and display awake for a while, are never stored and end by
// themselves. Portable: the settings view supplies the clocks and carries
// out the requests.
#include <cstdint>
#include <optional>
#include <string>

enum class KeepAwakeItem { Off, OneHour, FourHours, UntilTurnedOff };

// The item shown checked: a running timed keep-awake, else the stored
// setting, else "Off".
KeepAwakeItem CheckedKeepAwakeItem(bool stored, std::optional<KeepAwakeItem> timed);

// How long a timed item lasts, in milliseconds; 0 for the other two.
std::uint64_t KeepAwakeDurationMs(KeepAwakeItem item);

// A time of day, hours 0..23.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const ClockTime& other) const
    {
        return hour == other.hour && minute == other.minute && second == other.second;
    }
};

// When a timed item chosen at `now` (local time) ends; `now` for the others.
ClockTime KeepAwakeEndClock(ClockTime now, KeepAwakeItem item);

// Whether a timed keep-awake started at tick `startTick` has ended at tick
// `nowTick` (GetTickCount milliseconds, which wrap after 49.7 days).
bool TimedKeepAwakeOver(KeepAwakeItem item, std::uint32_t startTick, std::uint32_t nowTick);

// Whether the system and display must be kept awake (otherwise the request
// is withdrawn): the stored setting or a running timed keep-awake.
bool KeepAwakeWanted(bool stored, bool timedRunning);

// The tray tip's line of a timed keep-awake, with its end already written in
// the user's short time format.
std::wstring KeptAwakeTipLine(const std::wstring& endTime);
