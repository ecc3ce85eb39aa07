#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "schedule/idle_timers.h"

namespace {

const wchar_t* const S = kSettingsSection;
constexpr std::uint32_t kMinute = 60000;

// The loop with every window-side request recorded as one line.
class CFakeLoop : public CIdleTimers {
public:
    std::vector<std::string> m_log;
    bool m_confirmResult = true;
    // Runs inside the countdown's nested loop, if set.
    std::function<void()> m_duringConfirmation;

    std::vector<std::string> Take()
    {
        std::vector<std::string> log;
        log.swap(m_log);
        return log;
    }
    int Count(const std::string& line) const
    {
        int n = 0;
        for (const std::string& l : m_log) n += l == line ? 1 : 0;
        return n;
    }

protected:
    void StartViewTimer(unsigned id, unsigned periodMs) override
    {
        m_log.push_back("start " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void StopViewTimer(unsigned id) override { m_log.push_back("stop " + std::to_string(id)); }
    void RefreshTooltipOnRearm() override { m_log.push_back("tooltip"); }
    bool ConfirmIdleMonitorOff(const std::wstring& message) override
    {
        m_log.push_back("confirm " + std::string(message.begin(), message.end()));
        if (m_duringConfirmation) {
            auto nested = m_duringConfirmation;
            m_duringConfirmation = nullptr;
            nested();
        }
        return m_confirmResult;
    }
    void SwitchMonitorOff() override { m_log.push_back("monitor off"); }
    void LockStation() override { m_log.push_back("lock"); }
    void AlertScreenSaver() override { m_log.push_back("alert"); }
    void StartScreenSaver() override { m_log.push_back("screen saver"); }
};

class IdleTimers : public testing::Test {
protected:
    void Enable(const wchar_t* enableKey, const wchar_t* minutesKey, int minutes)
    {
        m_store.SetInt(S, enableKey, 1);
        m_store.SetInt(S, minutesKey, minutes);
    }
    void EnableMonitorOff(int minutes) { Enable(L"EnableIdleUBX", L"IdleUBXMins", minutes); }
    void EnableScreenSaver(int minutes) { Enable(L"EnableIdleUBXScr", L"IdleUBXMinsScr", minutes); }

    void Rearm()
    {
        m_loop.RearmIdleTimers(m_store);
        m_loop.Take();
    }
    // One check `idleMs` after the last input, the tick clock at `base`.
    void CheckOff(std::uint32_t idleMs, std::uint32_t base = 5000)
    {
        m_loop.CheckIdleMonitorOff(m_store, base + idleMs, base);
    }
    void CheckScr(std::uint32_t idleMs, std::uint32_t base = 5000)
    {
        m_loop.CheckIdleScreenSaver(m_store, base + idleMs, base);
    }

    CMemoryStore m_store;
    CFakeLoop m_loop;
};

}  // namespace

// --- arithmetic -------------------------------------------------------------

TEST(IdleArithmetic, ElapsedTimeIsModuloTheTickClock)
{
    struct Row {
        std::uint32_t now, last, elapsed;
    } rows[] = {
        {5000, 5000, 0},
        {65000, 5000, 60000},
        {999, 0xFFFFFFFFu - 999 + 1, 1998},     // across the wrap
        {4 * kMinute, 0xFFFFFFFFu - kMinute + 1, 5 * kMinute},
        {0, 1, 0xFFFFFFFFu},
    };
    for (const Row& r : rows) EXPECT_EQ(r.elapsed, IdleElapsedMs(r.now, r.last)) << r.now << " " << r.last;
}

TEST(IdleArithmetic, StoredMinutesOfAnyValueGiveUnsignedProducts)
{
    struct Row {
        int minutes;
        std::uint32_t ms, seconds;
    } rows[] = {
        {0, 0, 0},
        {1, 60000, 60},
        {10, 600000, 600},
        {5000, 300000000u, 300000},
        {71582, 4294920000u, 4294920},
        {71583, 12704u, 4294980},                   // wraps modulo 2^32
        {-1, 0xFFFFFFFFu - 60000 + 1, 0xFFFFFFFFu - 60 + 1},
        {INT_MAX, static_cast<std::uint32_t>(INT_MAX) * 60000u, static_cast<std::uint32_t>(INT_MAX) * 60u},
        {INT_MIN, 0u, 0u},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.ms, MinutesToMs(r.minutes)) << r.minutes;
        EXPECT_EQ(r.seconds, MinutesToSeconds(r.minutes)) << r.minutes;
    }
}

TEST(IdleArithmetic, SampleTruncatesToWholeSecondsAcrossTheWrap)
{
    CFakeLoop loop;
    loop.SampleIdleSeconds(1500, 0xFFFFFFFFu - 2000 + 1);
    EXPECT_EQ(3u, loop.m_idleSeconds);
    loop.SampleIdleSeconds(7000, 7000);
    EXPECT_EQ(0u, loop.m_idleSeconds);
    loop.SampleIdleSeconds(7999, 7000);
    EXPECT_EQ(0u, loop.m_idleSeconds);
    loop.SampleIdleSeconds(65000, 5000);
    EXPECT_EQ(60u, loop.m_idleSeconds);
}

// --- re-arm ------------------------------------------------------------------

TEST_F(IdleTimers, ConstructionLeavesBothTriggersDisarmedWithNoThreshold)
{
    EXPECT_EQ(0u, m_loop.m_idleOffArmed);
    EXPECT_EQ(0u, m_loop.m_idleScrArmed);
    EXPECT_EQ(0u, m_loop.m_idleScrFired);
    EXPECT_EQ(kNoThresholdMs, m_loop.m_idleOffThresholdMs);
    EXPECT_EQ(kNoThresholdMs, m_loop.m_idleScrThresholdMs);
}

TEST_F(IdleTimers, RearmRefreshesTooltipThenRestartsEnabledTimersArmed)
{
    EnableMonitorOff(5);
    m_store.SetInt(S, L"IdleUBXMinsScr", 7);  // screen saver not enabled
    m_loop.m_idleScrFired = 1;
    m_loop.RearmIdleTimers(m_store);
    EXPECT_EQ((std::vector<std::string>{"tooltip", "stop 1", "start 1 900", "stop 3"}), m_loop.Take());
    EXPECT_EQ(1u, m_loop.m_idleOffArmed);
    EXPECT_EQ(5 * kMinute, m_loop.m_idleOffThresholdMs);
    EXPECT_EQ(0u, m_loop.m_idleScrArmed);
    EXPECT_EQ(kNoThresholdMs, m_loop.m_idleScrThresholdMs);
    EXPECT_EQ(1u, m_loop.m_idleScrFired) << "not touched by a re-arm";

    EnableScreenSaver(7);
    m_store.SetInt(S, L"EnableIdleUBX", 0);
    m_loop.RearmIdleTimers(m_store);
    EXPECT_EQ((std::vector<std::string>{"tooltip", "stop 1", "stop 3", "start 3 900"}), m_loop.Take());
    EXPECT_EQ(0u, m_loop.m_idleOffArmed);
    EXPECT_EQ(1u, m_loop.m_idleScrArmed);
    EXPECT_EQ(7 * kMinute, m_loop.m_idleScrThresholdMs);
}

TEST_F(IdleTimers, MissingOrMistypedMinutesReadAsTen)
{
    m_store.SetInt(S, L"EnableIdleUBX", 1);
    m_store.SetWrongType(S, L"IdleUBXMins");
    m_store.SetInt(S, L"EnableIdleUBXScr", 1);
    Rearm();
    EXPECT_EQ(10 * kMinute, m_loop.m_idleOffThresholdMs);
    EXPECT_EQ(10 * kMinute, m_loop.m_idleScrThresholdMs);
}

// --- the armed flag ------------------------------------------------------------

// One check of timer 1 from a given armed state, with 5 minutes configured
// and the threshold set by a re-arm.
TEST_F(IdleTimers, ArmedFlagStateTable)
{
    struct Row {
        const char* what;
        std::uint32_t armedBefore;
        std::uint32_t idleMs;
        int enabledAtCheck;
        bool fires;
        std::uint32_t armedAfter;
    } rows[] = {
        {"waiting, below N", 1, 5 * kMinute - 1, 1, false, 1},
        {"waiting, exactly N: fires, spent", 1, 5 * kMinute, 1, true, 0},
        {"waiting, inside minute N", 1, 5 * kMinute + 59999, 1, true, 0},
        {"waiting, N + 1 or more: spent without firing", 1, 6 * kMinute, 1, false, 0},
        {"spent, still away", 0, 5 * kMinute + 100, 1, false, 0},
        {"spent, user back", 0, 200, 1, false, 1},
        {"spent, back at exactly the threshold", 0, 5 * kMinute, 1, false, 1},
        {"waiting, disabled meanwhile: no firing", 1, 5 * kMinute + 10, 0, false, 0},
    };
    for (const Row& r : rows) {
        EnableMonitorOff(5);
        Rearm();
        m_store.SetInt(S, L"EnableIdleUBX", r.enabledAtCheck);
        m_loop.m_idleOffArmed = r.armedBefore;
        CheckOff(r.idleMs);
        EXPECT_EQ(r.fires ? 1 : 0, m_loop.Count("confirm Turning Monitor Off Now")) << r.what;
        EXPECT_EQ(r.armedAfter, m_loop.m_idleOffArmed) << r.what;
        m_loop.Take();
    }
}

TEST_F(IdleTimers, MonitorOffFiresOncePerIdlePeriodWhateverTheAnswer)
{
    EnableMonitorOff(5);
    Rearm();
    for (bool answer : {true, false}) {
        m_loop.m_confirmResult = answer;
        int confirmations = 0;
        // 900-ms checks from input until 20 minutes away.
        for (std::uint32_t t = 0; t < 20 * kMinute; t += 900) {
            CheckOff(t);
            confirmations += m_loop.Count("confirm Turning Monitor Off Now");
            m_loop.Take();
        }
        EXPECT_EQ(1, confirmations) << answer;
        CheckOff(300);  // input: armed again for the next period
        EXPECT_EQ(1u, m_loop.m_idleOffArmed);
    }
}

TEST_F(IdleTimers, FiringRunsTheCountdownThenMonitorOffAndLockThenRearmsItsOwnTimer)
{
    EnableMonitorOff(5);
    m_store.SetInt(S, L"LockOnResumeUbx", 1);
    m_store.SetString(S, L"AlertTextIdle", L"Going dark");
    Rearm();
    CheckOff(5 * kMinute + 100);
    EXPECT_EQ((std::vector<std::string>{"stop 1", "confirm Going dark", "monitor off", "lock", "tooltip", "stop 1",
                                        "start 1 900"}),
              m_loop.Take());
    EXPECT_EQ(0u, m_loop.m_idleOffArmed);
}

TEST_F(IdleTimers, CancelledCountdownSwitchesNothingOff)
{
    EnableMonitorOff(5);
    m_store.SetInt(S, L"LockOnResumeUbx", 1);
    Rearm();
    m_loop.m_confirmResult = false;
    CheckOff(5 * kMinute);
    EXPECT_EQ(0, m_loop.Count("monitor off"));
    EXPECT_EQ(0, m_loop.Count("lock"));
    EXPECT_EQ(1, m_loop.Count("start 1 900"));
}

TEST_F(IdleTimers, IdleTimeAlreadyPastWhenArmed)
{
    struct Row {
        std::uint32_t idleAtArm;
        bool firesAtFirstCheck;
    } rows[] = {{5 * kMinute, true}, {5 * kMinute + 59999, true}, {6 * kMinute, false}, {90 * kMinute, false}};
    for (const Row& r : rows) {
        EnableMonitorOff(5);
        Rearm();
        CheckOff(r.idleAtArm);
        EXPECT_EQ(r.firesAtFirstCheck ? 1 : 0, m_loop.Count("confirm Turning Monitor Off Now")) << r.idleAtArm;
        m_loop.Take();
        // Only after input and another 5 minutes.
        CheckOff(r.idleAtArm + 900);
        EXPECT_EQ(0, m_loop.Count("confirm Turning Monitor Off Now"));
        CheckOff(100, 900000);
        CheckOff(5 * kMinute + 50, 900000);
        EXPECT_EQ(1, m_loop.Count("confirm Turning Monitor Off Now")) << r.idleAtArm;
        m_loop.Take();
    }
}

TEST_F(IdleTimers, IdlePeriodAcrossTheTickWrapFiresLikeAnyOther)
{
    EnableMonitorOff(5);
    Rearm();
    const std::uint32_t lastInput = 0xFFFFFFFFu - 2 * kMinute;
    m_loop.CheckIdleMonitorOff(m_store, lastInput + 4 * kMinute, lastInput);  // tick clock has wrapped
    EXPECT_EQ(0, m_loop.Count("confirm Turning Monitor Off Now"));
    m_loop.CheckIdleMonitorOff(m_store, lastInput + 5 * kMinute + 400, lastInput);
    EXPECT_EQ(1, m_loop.Count("confirm Turning Monitor Off Now"));
}

TEST_F(IdleTimers, BadStoredMinutesNeverCrashAndFollowTheArithmetic)
{
    struct Row {
        int minutes;
        std::uint32_t idleMs;
        bool fires;
    } rows[] = {
        {0, 0, true},          // minute 0 is due at once
        {0, 30000, true},
        {-1, 0xFFFFFFF0u, false},  // never reaches the unsigned minute
        {INT_MAX, 3 * kMinute, false},
        {INT_MIN, 0, false},
        {71583, 71583u * 60000u, false},  // the minute is unreachable on the 32-bit clock
    };
    for (const Row& r : rows) {
        EnableMonitorOff(r.minutes);
        Rearm();
        CheckOff(r.idleMs);
        EXPECT_EQ(r.fires ? 1 : 0, m_loop.Count("confirm Turning Monitor Off Now")) << r.minutes;
        m_loop.Take();
    }
}

// --- the idle screen saver ------------------------------------------------------

TEST_F(IdleTimers, ScreenSaverStartsWithoutDialogAndLocksOnceWhenTheUserIsBack)
{
    EnableScreenSaver(3);
    m_store.SetInt(S, L"LockOnResumeScr", 1);
    Rearm();
    CheckScr(3 * kMinute + 200);
    EXPECT_EQ((std::vector<std::string>{"stop 3", "alert", "screen saver", "tooltip", "stop 3", "start 3 900"}),
              m_loop.Take());
    EXPECT_EQ(1u, m_loop.m_idleScrFired);
    CheckScr(3 * kMinute + 1100);
    CheckScr(9 * kMinute);
    EXPECT_TRUE(m_loop.Take().empty());
    CheckScr(400);  // input
    EXPECT_EQ((std::vector<std::string>{"lock"}), m_loop.Take());
    EXPECT_EQ(0u, m_loop.m_idleScrFired);
    CheckScr(1300);
    EXPECT_TRUE(m_loop.Take().empty());
}

TEST_F(IdleTimers, ScreenSaverWithoutLockOnResumeOnlyClearsTheMark)
{
    EnableScreenSaver(3);
    Rearm();
    CheckScr(3 * kMinute);
    CheckScr(10);
    EXPECT_EQ(0, m_loop.Count("lock"));
    EXPECT_EQ(0u, m_loop.m_idleScrFired);
}

TEST_F(IdleTimers, FiringAtExactlyTheThresholdNeitherRearmsNorLocksInThatCheck)
{
    EnableScreenSaver(3);
    m_store.SetInt(S, L"LockOnResumeScr", 1);
    Rearm();
    CheckScr(3 * kMinute);  // E equals the threshold
    EXPECT_EQ(0, m_loop.Count("lock"));
    EXPECT_EQ(0u, m_loop.m_idleScrArmed);
    EXPECT_EQ(1u, m_loop.m_idleScrFired);
    CheckScr(3 * kMinute);  // the same reading again: still no second start
    EXPECT_EQ(1, m_loop.Count("screen saver"));
}

TEST_F(IdleTimers, TriggersAtTheSameMinutesDoNotSetEachOtherOffAgain)
{
    EnableMonitorOff(10);
    EnableScreenSaver(10);
    Rearm();
    // The screen saver fires while the monitor-off countdown is open.
    m_loop.m_duringConfirmation = [this] { CheckScr(10 * kMinute + 500); };
    CheckOff(10 * kMinute + 100);
    const std::vector<std::string> log = m_loop.Take();
    EXPECT_EQ((std::vector<std::string>{"stop 1", "confirm Turning Monitor Off Now", "stop 3", "alert",
                                        "screen saver", "tooltip", "stop 3", "start 3 900", "monitor off", "tooltip",
                                        "stop 1", "start 1 900"}),
              log);
    EXPECT_EQ(0u, m_loop.m_idleOffArmed);
    EXPECT_EQ(0u, m_loop.m_idleScrArmed);
    // Later checks in the same idle period fire neither.
    for (std::uint32_t t = 10 * kMinute + 1000; t < 11 * kMinute; t += 900) {
        CheckOff(t);
        CheckScr(t);
    }
    EXPECT_TRUE(m_loop.Take().empty());
}

TEST_F(IdleTimers, SavingEitherDialogStillRearmsBoth)
{
    EnableMonitorOff(10);
    EnableScreenSaver(10);
    Rearm();
    CheckOff(10 * kMinute + 100);
    CheckScr(10 * kMinute + 200);
    EXPECT_EQ(0u, m_loop.m_idleOffArmed);
    EXPECT_EQ(0u, m_loop.m_idleScrArmed);
    m_loop.RearmIdleTimers(m_store);
    EXPECT_EQ(1u, m_loop.m_idleOffArmed);
    EXPECT_EQ(1u, m_loop.m_idleScrArmed);
}

// --- the one-time delay -----------------------------------------------------------

TEST_F(IdleTimers, OneMinuteDelaySwitchesOffAtTheSixtiethTickAndLocksByDefault)
{
    m_store.SetInt(S, L"EnableDurationUBX", 1);
    m_store.SetInt(S, L"DurationUBXMins", 1);
    m_loop.RearmDelayTimer(m_store);
    EXPECT_EQ((std::vector<std::string>{"tooltip", "stop 2", "start 2 1000"}), m_loop.Take());
    EXPECT_EQ(60u, m_loop.m_delaySeconds);
    for (int tick = 1; tick < 60; ++tick) m_loop.CountDelay(m_store);
    EXPECT_TRUE(m_loop.Take().empty());
    m_store.ClearWrites();
    m_loop.CountDelay(m_store);
    EXPECT_EQ((std::vector<std::string>{"tooltip", "stop 2", "monitor off", "lock"}), m_loop.Take());
    ASSERT_EQ(1u, m_store.Writes().size());
    EXPECT_EQ(L"EnableDurationUBX", m_store.Writes()[0].name);
    EXPECT_EQ(0, m_store.Writes()[0].intValue);
    EXPECT_EQ(0u, m_loop.m_delayCount);
}

TEST_F(IdleTimers, DelayCountRules)
{
    struct Row {
        int minutes;
        int lock;                 // -1: not stored (default 1)
        std::uint32_t ticksToFire;  // 0: not within 1000 ticks
        bool locks;
    } rows[] = {
        {1, -1, 60, true}, {2, 0, 120, false}, {1, 1, 60, true}, {0, -1, 1, true},
        {-1, -1, 0, false},  // a huge unsigned count
    };
    for (const Row& r : rows) {
        CMemoryStore store;
        CFakeLoop loop;
        store.SetInt(S, L"EnableDurationUBX", 1);
        store.SetInt(S, L"DurationUBXMins", r.minutes);
        if (r.lock >= 0) store.SetInt(S, L"LockOnResumeIdle", r.lock);
        loop.RearmDelayTimer(store);
        std::uint32_t fired = 0;
        for (std::uint32_t tick = 1; tick <= 1000 && !fired; ++tick) {
            loop.CountDelay(store);
            if (loop.Count("monitor off")) fired = tick;
        }
        EXPECT_EQ(r.ticksToFire, fired) << r.minutes;
        EXPECT_EQ(r.locks ? 1 : 0, loop.Count("lock")) << r.minutes;
    }
}

TEST_F(IdleTimers, SavingTheDelayAgainRestartsTheCountAndClearingItStops)
{
    m_store.SetInt(S, L"EnableDurationUBX", 1);
    m_store.SetInt(S, L"DurationUBXMins", 1);
    m_loop.RearmDelayTimer(m_store);
    for (int tick = 0; tick < 30; ++tick) m_loop.CountDelay(m_store);
    m_loop.RearmDelayTimer(m_store);
    for (int tick = 0; tick < 59; ++tick) m_loop.CountDelay(m_store);
    EXPECT_EQ(0, m_loop.Count("monitor off"));
    m_loop.CountDelay(m_store);
    EXPECT_EQ(1, m_loop.Count("monitor off"));
    m_loop.Take();

    m_store.SetInt(S, L"EnableDurationUBX", 0);
    m_loop.RearmDelayTimer(m_store);
    EXPECT_EQ((std::vector<std::string>{"tooltip", "stop 2"}), m_loop.Take());
}
