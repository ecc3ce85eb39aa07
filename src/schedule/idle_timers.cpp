#include "schedule/idle_timers.h"

#include "app/app_settings.h"

namespace {

// The keys of one idle trigger.
struct TriggerKeys {
    const wchar_t* enable;
    const wchar_t* minutes;
    unsigned timer;
};

constexpr TriggerKeys kIdleOffKeys{L"EnableIdleUBX", L"IdleUBXMins", kIdleOffTimer};
constexpr TriggerKeys kIdleScrKeys{L"EnableIdleUBXScr", L"IdleUBXMinsScr", kIdleScrTimer};
constexpr int kDefaultIdleMinutes = 10;

// Step 2's test of timers 1 and 3 apart from the enable key, which is only
// read when the rest holds. The minutes compare as unsigned, so a negative
// stored value never matches.
bool IdleTriggerDue(std::uint32_t armed, std::uint32_t elapsedMs, int minutes)
{
    return armed == 1 && elapsedMs / 60000u == static_cast<std::uint32_t>(minutes);
}

// Step 3: spent once the idle time is above the threshold. A check that has
// just fired leaves its trigger spent whatever the elapsed time: with E at
// exactly the threshold it would otherwise be armed again at once.
std::uint32_t ArmedAfterCheck(std::uint32_t elapsedMs, std::uint32_t thresholdMs, bool fired)
{
    return !fired && elapsedMs <= thresholdMs ? 1u : 0u;
}

}  // namespace

void CIdleTimers::SampleIdleSeconds(std::uint32_t nowTick, std::uint32_t lastInputTick)
{
    m_idleSeconds = IdleElapsedMs(nowTick, lastInputTick) / 1000u;
}

void CIdleTimers::CheckIdleMonitorOff(ISettingsStore& store, std::uint32_t nowTick, std::uint32_t lastInputTick)
{
    // E is taken once, before anything else, and keeps its value across the
    // countdown's nested loop.
    const int minutes = store.ReadInt(kSettingsSection, kIdleOffKeys.minutes, kDefaultIdleMinutes);
    const std::uint32_t elapsed = IdleElapsedMs(nowTick, lastInputTick);
    bool fired = false;
    if (IdleTriggerDue(m_idleOffArmed, elapsed, minutes) &&
        store.ReadInt(kSettingsSection, kIdleOffKeys.enable, 0) != 0) {
        fired = true;
        StopViewTimer(kIdleOffTimer);
        if (ConfirmIdleMonitorOff(ReadAlertTextIdle(store))) {
            SwitchMonitorOff();
            if (store.ReadInt(kSettingsSection, L"LockOnResumeUbx", 0) != 0) LockStation();
        }
        RearmAfterFiring(store, Trigger::MonitorOff);
    }
    m_idleOffArmed = ArmedAfterCheck(elapsed, m_idleOffThresholdMs, fired);
}

void CIdleTimers::CheckIdleScreenSaver(ISettingsStore& store, std::uint32_t nowTick, std::uint32_t lastInputTick)
{
    const int minutes = store.ReadInt(kSettingsSection, kIdleScrKeys.minutes, kDefaultIdleMinutes);
    const std::uint32_t elapsed = IdleElapsedMs(nowTick, lastInputTick);
    bool fired = false;
    if (IdleTriggerDue(m_idleScrArmed, elapsed, minutes) &&
        store.ReadInt(kSettingsSection, kIdleScrKeys.enable, 0) != 0) {
        fired = true;
        StopViewTimer(kIdleScrTimer);
        AlertScreenSaver();
        StartScreenSaver();
        m_idleScrFired = 1;
        RearmAfterFiring(store, Trigger::ScreenSaver);
    }
    if (fired || elapsed > m_idleScrThresholdMs) {
        m_idleScrArmed = 0;
        return;
    }
    // The user is back: the idle time has fallen to the threshold or below.
    if (m_idleScrFired == 1) {
        m_idleScrFired = 0;
        if (store.ReadInt(kSettingsSection, L"LockOnResumeScr", 0) != 0) LockStation();
    }
    m_idleScrArmed = 1;
}

void CIdleTimers::CountDelay(ISettingsStore& store)
{
    ++m_delayCount;
    if (m_delayCount < m_delaySeconds) return;
    store.WriteInt(kSettingsSection, L"EnableDurationUBX", 0);
    RearmDelayTimer(store);
    SwitchMonitorOff();
    if (store.ReadInt(kSettingsSection, L"LockOnResumeIdle", 1) != 0) LockStation();
}

void CIdleTimers::RearmIdleTimers(ISettingsStore& store)
{
    RefreshTooltipOnRearm();
    ArmIdleTrigger(store, Trigger::MonitorOff);
    ArmIdleTrigger(store, Trigger::ScreenSaver);
}

void CIdleTimers::RearmAfterFiring(ISettingsStore& store, Trigger trigger)
{
    RefreshTooltipOnRearm();
    ArmIdleTrigger(store, trigger);
}

void CIdleTimers::ArmIdleTrigger(ISettingsStore& store, Trigger trigger)
{
    const bool off = trigger == Trigger::MonitorOff;
    const TriggerKeys& keys = off ? kIdleOffKeys : kIdleScrKeys;
    std::uint32_t& armed = off ? m_idleOffArmed : m_idleScrArmed;
    std::uint32_t& threshold = off ? m_idleOffThresholdMs : m_idleScrThresholdMs;
    StopViewTimer(keys.timer);
    if (store.ReadInt(kSettingsSection, keys.enable, 0) != 0) {
        armed = 1;
        threshold = MinutesToMs(store.ReadInt(kSettingsSection, keys.minutes, kDefaultIdleMinutes));
        StartViewTimer(keys.timer, kIdleCheckPeriodMs);
    } else {
        armed = 0;
    }
}

void CIdleTimers::RearmDelayTimer(ISettingsStore& store)
{
    m_delayCount = 0;
    RefreshTooltipOnRearm();
    StopViewTimer(kDelayTimer);
    if (store.ReadInt(kSettingsSection, L"EnableDurationUBX", 0) != 0) {
        m_delaySeconds = MinutesToSeconds(store.ReadInt(kSettingsSection, L"DurationUBXMins", 10));
        StartViewTimer(kDelayTimer, kSecondPeriodMs);
    }
}
