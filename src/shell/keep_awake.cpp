#include "shell/keep_awake.h"

KeepAwakeItem CheckedKeepAwakeItem(bool stored, std::optional<KeepAwakeItem> timed)
{
    if (timed) return *timed;
    return stored ? KeepAwakeItem::UntilTurnedOff : KeepAwakeItem::Off;
}

std::uint64_t KeepAwakeDurationMs(KeepAwakeItem item)
{
    constexpr std::uint64_t kHourMs = 3600000;
    switch (item) {
    case KeepAwakeItem::OneHour: return kHourMs;
    case KeepAwakeItem::FourHours: return 4 * kHourMs;
    case KeepAwakeItem::Off:
    case KeepAwakeItem::UntilTurnedOff: break;
    }
    return 0;
}

ClockTime KeepAwakeEndClock(ClockTime now, KeepAwakeItem item)
{
    now.hour = static_cast<int>((static_cast<std::uint64_t>(now.hour) + KeepAwakeDurationMs(item) / 3600000) % 24);
    return now;
}

bool TimedKeepAwakeOver(KeepAwakeItem item, std::uint32_t startTick, std::uint32_t nowTick)
{
    return static_cast<std::uint32_t>(nowTick - startTick) >= KeepAwakeDurationMs(item);
}

bool KeepAwakeWanted(bool stored, bool timedRunning)
{
    return stored || timedRunning;
}

std::wstring KeptAwakeTipLine(const std::wstring& endTime)
{
    return L"\nKept Awake until " + endTime;
}
