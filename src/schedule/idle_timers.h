#pragma once
// The settings view's timer loop apart from its window: idle arithmetic, the
// idle monitor-off (timer 1), the one-time delay (timer 2), the idle screen
// saver (timer 3), the sampling of the 1-second tick (timer 4) and the two
// re-arm operations. Portable: the view derives from CIdleTimers, feeds it the
// tick count and the last-input tick, and carries out its requests through
// the hooks below.
#include <cstdint>
#include <string>

#include "app/settings_store.h"

// Timer ids and periods on the settings view's window.
inline constexpr unsigned kIdleOffTimer = 1;
inline constexpr unsigned kDelayTimer = 2;
inline constexpr unsigned kIdleScrTimer = 3;
inline constexpr unsigned kSecondTimer = 4;
inline constexpr unsigned kIdleCheckPeriodMs = 900;
inline constexpr unsigned kSecondPeriodMs = 1000;

inline constexpr std::uint32_t kNoThresholdMs = 0xFFFFFFFFu;

// Milliseconds from `lastInputTick` to `nowTick` on the 32-bit tick clock.
// Modulo 2^32, so a period across the clock's wrap is measured right as long
// as it is shorter than 49.7 days.
inline std::uint32_t IdleElapsedMs(std::uint32_t nowTick, std::uint32_t lastInputTick)
{
    return nowTick - lastInputTick;
}
// Stored minutes of any value as unsigned products modulo 2^32: a negative or
// huge value gives a large or wrapped threshold, never undefined behaviour.
inline std::uint32_t MinutesToMs(int minutes)
{
    return static_cast<std::uint32_t>(minutes) * 60000u;
}
inline std::uint32_t MinutesToSeconds(int minutes)
{
    return static_cast<std::uint32_t>(minutes) * 60u;
}

class CIdleTimers {
public:
    virtual ~CIdleTimers() = default;

    // Whole seconds since the last input as of the latest 1-second tick.
    std::uint32_t m_idleSeconds = 0;
    std::uint32_t m_idleOffThresholdMs = kNoThresholdMs;
    std::uint32_t m_idleScrThresholdMs = kNoThresholdMs;
    std::uint32_t m_idleOffArmed = 0;
    std::uint32_t m_idleScrArmed = 0;
    // 1 from the start of the idle screen saver until a check sees the user back.
    std::uint32_t m_idleScrFired = 0;
    std::uint32_t m_delaySeconds = 0;
    std::uint32_t m_delayCount = 0;

    // Timer 4, first two steps: m_idleSeconds from the sampled last input.
    void SampleIdleSeconds(std::uint32_t nowTick, std::uint32_t lastInputTick);
    // Timer 1 and timer 3. `lastInputTick` is the one the 1-second tick
    // sampled last; input since then is not seen yet.
    void CheckIdleMonitorOff(ISettingsStore& store, std::uint32_t nowTick, std::uint32_t lastInputTick);
    void CheckIdleScreenSaver(ISettingsStore& store, std::uint32_t nowTick, std::uint32_t lastInputTick);
    // Timer 2: one tick of the one-time delay.
    void CountDelay(ISettingsStore& store);

    // Restarts or stops timers 1 and 3 (both armed afresh) from the store.
    void RearmIdleTimers(ISettingsStore& store);
    // Restarts or stops timer 2 from the store; the count starts again at 0.
    void RearmDelayTimer(ISettingsStore& store);

protected:
    // What the loop asks of the window side.
    virtual void StartViewTimer(unsigned id, unsigned periodMs) = 0;
    virtual void StopViewTimer(unsigned id) = 0;
    // First step of every re-arm: the tray tooltip refresh.
    virtual void RefreshTooltipOnRearm() = 0;
    // The 30-second countdown with `message`; true when it ended with IDOK.
    // Runs a nested message loop: any check may be entered meanwhile.
    virtual bool ConfirmIdleMonitorOff(const std::wstring& message) = 0;
    virtual void SwitchMonitorOff() = 0;
    virtual void LockStation() = 0;
    virtual void AlertScreenSaver() = 0;
    virtual void StartScreenSaver() = 0;

private:
    enum class Trigger { MonitorOff, ScreenSaver };
    // A firing re-arms only its own trigger (tooltip first, as every re-arm):
    // re-arming the other one too would let two triggers at the same minutes
    // set each other off again within one idle period.
    void RearmAfterFiring(ISettingsStore& store, Trigger trigger);
    // Stops the trigger's timer, and restarts it armed when it is enabled.
    void ArmIdleTrigger(ISettingsStore& store, Trigger trigger);
};
