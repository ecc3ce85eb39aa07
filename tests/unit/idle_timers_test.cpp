#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "schedule/idle_timers.h"

namespace {

const wchar_t* const S = kSettingsSection;
constexpr std::uint32_t kMin = 60000;
using Log = std::vector<std::string>;

// The loop with every window-side request recorded as one line.
class CFakeLoop : public CIdleTimers {
public:
    Log m_log;
    bool m_answer = true;
    std::function<void()> m_duringCountdown;  // runs in the countdown's nested loop

    Log Take() { return std::exchange(m_log, {}); }
    int Count(const std::string& line) const { return static_cast<int>(std::count(m_log.begin(), m_log.end(), line)); }

protected:
    void StartViewTimer(unsigned id, unsigned ms) override { Add("start " + std::to_string(id) + " " + std::to_string(ms)); }
    void StopViewTimer(unsigned id) override { Add("stop " + std::to_string(id)); }
    void RefreshTooltipOnRearm() override { Add("tooltip"); }
    bool ConfirmIdleMonitorOff(const std::wstring& message) override
    {
        Add("confirm " + std::string(message.begin(), message.end()));
        if (auto nested = std::exchange(m_duringCountdown, nullptr)) nested();
        return m_answer;
    }
    void SwitchMonitorOff() override { Add("monitor off"); }
    void LockStation() override { Add("lock"); }
    void AlertScreenSaver() override { Add("alert"); }
    void StartScreenSaver() override { Add("screen saver"); }

private:
    void Add(const std::string& line) { m_log.push_back(line); }
};

class IdleTimers : public testing::Test {
protected:
    void Enable(bool monitorOff, int minutes)
    {
        m_store.SetInt(S, monitorOff ? L"EnableIdleUBX" : L"EnableIdleUBXScr", 1);
        m_store.SetInt(S, monitorOff ? L"IdleUBXMins" : L"IdleUBXMinsScr", minutes);
        m_loop.RearmIdleTimers(m_store);
        m_loop.Take();
    }
    // One 900-ms check `idleMs` after the last input at tick `base`.
    void Off(std::uint32_t idleMs, std::uint32_t base = 5000) { m_loop.CheckIdleMonitorOff(m_store, base + idleMs, base); }
    void Scr(std::uint32_t idleMs, std::uint32_t base = 5000) { m_loop.CheckIdleScreenSaver(m_store, base + idleMs, base); }

    CMemoryStore m_store;
    CFakeLoop m_loop;
};

const std::string kConfirm = "confirm Turning Monitor Off Now";

}  // namespace

TEST(IdleArithmetic, ModuloTheTickClockAndUnsignedMinuteProducts)
{
    EXPECT_EQ(60000u, IdleElapsedMs(65000, 5000));
    EXPECT_EQ(1998u, IdleElapsedMs(999, 0xFFFFFFFFu - 998));  // across the wrap
    EXPECT_EQ(0xFFFFFFFFu, IdleElapsedMs(0, 1));
    struct Row {
        int minutes;
        std::uint32_t ms, seconds;
    } rows[] = {{0, 0, 0},           {10, 600000, 600},
                {71582, 4294920000u, 4294920}, {71583, 12704u, 4294980},  // wraps modulo 2^32
                {-1, 0u - 60000u, 0u - 60u},   {INT_MIN, 0, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ(r.ms, MinutesToMs(r.minutes)) << r.minutes;
        EXPECT_EQ(r.seconds, MinutesToSeconds(r.minutes)) << r.minutes;
    }
    CFakeLoop loop;
    loop.SampleIdleSeconds(1500, 0xFFFFFFFFu - 1999);
    EXPECT_EQ(3u, loop.m_idleSeconds);
}

TEST_F(IdleTimers, RearmRefreshesTooltipThenRestartsOnlyEnabledTimersArmed)
{
    m_loop.m_idleScrFired = 1;
    Enable(true, 5);
    m_store.SetWrongType(S, L"IdleUBXMins");
    m_loop.RearmIdleTimers(m_store);
    EXPECT_EQ((Log{"tooltip", "stop 1", "start 1 900", "stop 3"}), m_loop.Take());
    EXPECT_EQ(1u, m_loop.m_idleOffArmed);
    EXPECT_EQ(10 * kMin, m_loop.m_idleOffThresholdMs) << "a mistyped value reads as 10";
    EXPECT_EQ(0u, m_loop.m_idleScrArmed);
    EXPECT_EQ(kNoThresholdMs, m_loop.m_idleScrThresholdMs);
    EXPECT_EQ(1u, m_loop.m_idleScrFired) << "not touched by a re-arm";
}

// One check of timer 1 at 5 minutes from a given armed state.
TEST_F(IdleTimers, ArmedFlagStateTable)
{
    struct Row {
        const char* what;
        std::uint32_t armed, idleMs, base;
        int enabledAtCheck;
        bool fires;
        std::uint32_t armedAfter;
    } rows[] = {
        {"waiting, below N", 1, 5 * kMin - 1, 5000, 1, false, 1},
        {"waiting, exactly N: fires, spent", 1, 5 * kMin, 5000, 1, true, 0},
        {"waiting, end of minute N", 1, 6 * kMin - 1, 5000, 1, true, 0},
        {"waiting, across the tick wrap", 1, 5 * kMin + 400, 0xFFFFFFFFu - 2 * kMin, 1, true, 0},
        {"waiting, already N + 1: spent without firing", 1, 6 * kMin, 5000, 1, false, 0},
        {"waiting, disabled meanwhile", 1, 5 * kMin + 10, 5000, 0, false, 0},
        {"spent, still away", 0, 5 * kMin + 100, 5000, 1, false, 0},
        {"spent, back at the threshold", 0, 5 * kMin, 5000, 1, false, 1},
    };
    for (const Row& r : rows) {
        Enable(true, 5);
        m_store.SetInt(S, L"EnableIdleUBX", r.enabledAtCheck);
        m_loop.m_idleOffArmed = r.armed;
        Off(r.idleMs, r.base);
        EXPECT_EQ(r.fires ? 1 : 0, m_loop.Count(kConfirm)) << r.what;
        EXPECT_EQ(r.armedAfter, m_loop.m_idleOffArmed) << r.what;
        m_loop.Take();
    }
}

TEST_F(IdleTimers, MonitorOffFiresOncePerIdlePeriodAndRearmsOnlyItself)
{
    Enable(true, 5);
    m_store.SetInt(S, L"LockOnResumeUbx", 1);
    Off(5 * kMin + 100);
    EXPECT_EQ((Log{"stop 1", kConfirm, "monitor off", "lock", "tooltip", "stop 1", "start 1 900"}), m_loop.Take());
    for (bool answer : {false, true}) {
        m_loop.m_answer = answer;
        for (std::uint32_t t = 5 * kMin + 1000; t < 20 * kMin; t += 900) Off(t);
        EXPECT_EQ(0, m_loop.Count(kConfirm));
        Off(300);  // input
        for (std::uint32_t t = 0; t < 6 * kMin; t += 900) Off(t, 9000);
        EXPECT_EQ(1, m_loop.Count(kConfirm));
        EXPECT_EQ(answer ? 1 : 0, m_loop.Count("monitor off"));
        m_loop.Take();
    }
}

TEST_F(IdleTimers, BadStoredMinutesFollowTheArithmetic)
{
    const struct {
        int minutes;
        std::uint32_t idleMs;
        bool fires;
    } rows[] = {{0, 30000, true}, {-1, 0xFFFFFFF0u, false}, {INT_MIN, 0, false}, {71583, 12704, false}};
    for (const auto& r : rows) {
        Enable(true, r.minutes);
        Off(r.idleMs);
        EXPECT_EQ(r.fires ? 1 : 0, m_loop.Count(kConfirm)) << r.minutes;
        m_loop.Take();
    }
}

TEST_F(IdleTimers, ScreenSaverStartsWithoutDialogAndLocksOnceWhenTheUserIsBack)
{
    Enable(false, 3);
    m_store.SetInt(S, L"LockOnResumeScr", 1);
    Scr(3 * kMin);  // exactly the threshold: no lock in the firing check
    EXPECT_EQ((Log{"stop 3", "alert", "screen saver", "tooltip", "stop 3", "start 3 900"}), m_loop.Take());
    Scr(3 * kMin + 900);
    Scr(9 * kMin);
    EXPECT_EQ(Log{}, m_loop.Take());
    Scr(400);  // input
    Scr(1300);
    EXPECT_EQ(Log{"lock"}, m_loop.Take());
    EXPECT_EQ(0u, m_loop.m_idleScrFired);
}

TEST_F(IdleTimers, TriggersAtTheSameMinutesDoNotSetEachOtherOffAgain)
{
    Enable(true, 10);
    Enable(false, 10);
    m_loop.m_duringCountdown = [this] { Scr(10 * kMin + 500); };
    Off(10 * kMin + 100);
    EXPECT_EQ((Log{"stop 1", kConfirm, "stop 3", "alert", "screen saver", "tooltip", "stop 3", "start 3 900",
                   "monitor off", "tooltip", "stop 1", "start 1 900"}),
              m_loop.Take());
    for (std::uint32_t t = 10 * kMin + 1000; t < 11 * kMin; t += 900) {
        Off(t);
        Scr(t);
    }
    EXPECT_EQ(Log{}, m_loop.Take());
    m_loop.RearmIdleTimers(m_store);  // Save in either dialog re-arms both
    EXPECT_EQ(1u, m_loop.m_idleOffArmed & m_loop.m_idleScrArmed);
}

TEST_F(IdleTimers, OneTimeDelayCount)
{
    const struct {
        int minutes, lock;  // lock -1: not stored (default 1)
        std::uint32_t firesAtTick;  // 0: not within 1000 ticks
    } rows[] = {{1, -1, 60}, {2, 0, 120}, {0, 1, 1}, {-1, -1, 0}};
    for (const auto& r : rows) {
        CMemoryStore store;
        CFakeLoop loop;
        store.SetInt(S, L"EnableDurationUBX", 1);
        store.SetInt(S, L"DurationUBXMins", r.minutes);
        if (r.lock >= 0) store.SetInt(S, L"LockOnResumeIdle", r.lock);
        loop.RearmDelayTimer(store);
        EXPECT_EQ((Log{"tooltip", "stop 2", "start 2 1000"}), loop.Take());
        for (int tick = 0; tick < 30; ++tick) loop.CountDelay(store);
        loop.RearmDelayTimer(store);  // saved again: the count starts over
        loop.Take();
        std::uint32_t fired = 0;
        for (std::uint32_t tick = 1; tick <= 1000 && !fired; ++tick) {
            store.ClearWrites();
            loop.CountDelay(store);
            if (loop.Count("monitor off")) fired = tick;
        }
        EXPECT_EQ(r.firesAtTick, fired) << r.minutes;
        if (!fired) continue;
        EXPECT_EQ(r.lock != 0 ? (Log{"tooltip", "stop 2", "monitor off", "lock"}) : (Log{"tooltip", "stop 2", "monitor off"}),
                  loop.Take());
        EXPECT_EQ(std::vector<std::wstring>{L"EnableDurationUBX"}, store.WrittenNames());
        EXPECT_EQ(0, store.ReadInt(S, L"EnableDurationUBX", 1));
    }
}
