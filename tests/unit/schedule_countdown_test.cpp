#include <vector>

#include <gtest/gtest.h>

#include "timer/schedule_countdown.h"

namespace {

using Step = CScheduleCountdown::Step;
using ExitOutcome = CScheduleCountdown::ExitOutcome;

// Ticks until the countdown fires; the remaining seconds of every tip.
std::vector<int> TipsUntilFire(CScheduleCountdown& c, int limit)
{
    std::vector<int> tips;
    for (int i = 0; i < limit; ++i) {
        const auto r = c.Tick();
        if (r.step != Step::ShowTip) break;
        tips.push_back(r.remaining);
    }
    return tips;
}

}  // namespace

TEST(ScheduleCountdown, TipText)
{
    EXPECT_EQ(CountdownTip(59, L"Restart(Brute)"), L"Vandric : 59 Seconds remaining\nto initiate Restart(Brute)");
    EXPECT_EQ(CountdownTip(0, L"Log Off"), L"Vandric : 0 Seconds remaining\nto initiate Log Off");
    EXPECT_EQ(CountdownTip(7199, L"Shutdown"), L"Vandric : 7199 Seconds remaining\nto initiate Shutdown");
}

// m minutes: tips m*60-1 down to 0, then the request at tick m*60+1.
TEST(ScheduleCountdown, CountsEveryMinuteLengthDownAndFiresTheTickAfterZero)
{
    for (int minutes : {1, 2, 60, 120}) {
        CScheduleCountdown c;
        c.Start(minutes, L"Shutdown");
        const std::vector<int> tips = TipsUntilFire(c, minutes * 60 + 5);
        ASSERT_EQ(tips.size(), static_cast<size_t>(minutes * 60)) << minutes;
        EXPECT_EQ(tips.front(), minutes * 60 - 1) << minutes;
        EXPECT_EQ(tips.back(), 0) << minutes;
        for (size_t i = 1; i < tips.size(); ++i) ASSERT_EQ(tips[i], tips[i - 1] - 1) << minutes;
        EXPECT_EQ(c.Elapsed(), minutes * 60 + 1) << "fires at the tick after the one showing 0";
        EXPECT_FALSE(c.Counting());
        EXPECT_EQ(c.Tick().step, Step::None) << "fires once only";
    }
}

TEST(ScheduleCountdown, NewStartReplacesTheRunningCount)
{
    CScheduleCountdown c;
    c.Start(2, L"Shutdown");
    for (int i = 0; i < 100; ++i) c.Tick();
    c.Start(1, L"Log Off");
    const auto r = c.Tick();
    EXPECT_EQ(r.step, Step::ShowTip);
    EXPECT_EQ(r.remaining, 59);
    EXPECT_EQ(c.Action(), L"Log Off");
    EXPECT_EQ(c.Minutes(), 1);
}

// The Exit question: a count that runs out while it is open is held until
// the answer; Yes ends without a request, No requests at once.
TEST(ScheduleCountdown, ExitQuestionDecidesACountThatRanOutMeanwhile)
{
    struct Case {
        bool runsOut;
        bool yes;
        ExitOutcome outcome;
        bool countingAfter;
    } cases[] = {
        {false, false, ExitOutcome::KeepCounting, true},
        {false, true, ExitOutcome::EndWithoutRequest, false},
        {true, false, ExitOutcome::RequestThenEnd, false},
        {true, true, ExitOutcome::EndWithoutRequest, false},
    };
    for (const Case& k : cases) {
        CScheduleCountdown c;
        c.Start(1, L"Restart");
        for (int i = 0; i < 59; ++i) c.Tick();
        c.BeginExitQuestion();
        EXPECT_TRUE(c.ExitQuestionOpen());
        EXPECT_EQ(c.Tick().step, Step::ShowTip) << "the question does not stop the count";
        if (k.runsOut) {
            EXPECT_EQ(c.Tick().step, Step::Hold) << "ran out while asking: held, not fired";
            EXPECT_EQ(c.Tick().step, Step::None) << "held once only";
        }
        EXPECT_EQ(c.EndExitQuestion(k.yes), k.outcome) << k.runsOut << k.yes;
        EXPECT_FALSE(c.ExitQuestionOpen());
        EXPECT_EQ(c.Counting(), k.countingAfter) << k.runsOut << k.yes;
    }
}

TEST(ScheduleCountdown, NoAfterANewScheduleDoesNotFireTheOldDueCount)
{
    CScheduleCountdown c;
    c.Start(1, L"Shutdown");
    for (int i = 0; i < 60; ++i) c.Tick();
    c.BeginExitQuestion();
    EXPECT_EQ(c.Tick().step, Step::Hold);
    c.Start(5, L"Log Off");  // a schedule accepted while the question was open
    EXPECT_EQ(c.EndExitQuestion(false), ExitOutcome::KeepCounting);
    EXPECT_TRUE(c.Counting());
}

// Adding moves the request 10 minutes on each time, the whole schedule
// capped at 24 hours; the tip's seconds follow at once.
TEST(ScheduleCountdown, AddMovesTheRequestUpToADay)
{
    const struct {
        int minutes, ticksBefore, adds;
        int remaining;  // after the adds
        bool lastAddChanged;
    } rows[] = {
        {1, 0, 1, 660, true},
        {1, 59, 2, 1201, true},
        {1435, 0, 1, 86400, true},        // only the 5 minutes up to the cap
        {1440, 10, 1, 86390, false},
        {120, 0, 133, 86400, false},
    };
    for (const auto& r : rows) {
        CScheduleCountdown c;
        c.Start(r.minutes, L"Restart");
        for (int i = 0; i < r.ticksBefore; ++i) c.Tick();
        bool changed = false;
        for (int i = 0; i < r.adds; ++i) changed = c.Add();
        EXPECT_EQ(c.Remaining(), r.remaining) << r.minutes << " " << r.adds;
        EXPECT_EQ(changed, r.lastAddChanged) << r.minutes << " " << r.adds;
        const std::vector<int> tips = TipsUntilFire(c, 90000);
        EXPECT_EQ(tips.size(), static_cast<size_t>(r.remaining)) << "fires the tick after 0";
    }
    CScheduleCountdown idle;
    EXPECT_FALSE(idle.Add()) << "nothing to add to";
}

// A paused countdown neither advances nor fires; resuming goes on where it stopped.
TEST(ScheduleCountdown, PauseHoldsTheCount)
{
    CScheduleCountdown c;
    c.SetPaused(true);
    EXPECT_FALSE(c.Paused()) << "nothing counting";
    c.Start(1, L"Shutdown");
    c.Tick();
    c.SetPaused(true);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(c.Tick().step, Step::None);
    EXPECT_EQ(c.Remaining(), 59);
    EXPECT_TRUE(c.Counting());
    EXPECT_EQ(PausedTip(59, L"Shutdown"), L"Vandric : Paused, 59 Seconds remaining\nto initiate Shutdown");
    c.SetPaused(false);
    EXPECT_EQ(TipsUntilFire(c, 100).size(), 59u);
    c.Start(2, L"Shutdown");
    EXPECT_FALSE(c.Paused()) << "a new schedule starts running";
}

// The balloon at 5 minutes left and the window at 60 s, each at once when the
// countdown starts closer than that; adding re-arms them.
TEST(ScheduleCountdown, WarningsFallDue)
{
    const struct {
        int minutes, ticks;
        bool balloon, window;
    } rows[] = {
        {10, 0, false, false}, {10, 299, false, false}, {10, 300, true, false}, {10, 539, true, false},
        {10, 540, true, true}, {5, 0, true, false},     {1, 0, true, true},     {1, 60, true, true},
    };
    for (const auto& r : rows) {
        CScheduleCountdown c;
        c.Start(r.minutes, L"Shutdown");
        bool balloon = c.TakeBalloonWarning();
        for (int i = 0; i < r.ticks; ++i) {
            c.Tick();
            balloon = c.TakeBalloonWarning() || balloon;
        }
        EXPECT_EQ(balloon, r.balloon) << r.minutes << " " << r.ticks;
        EXPECT_EQ(c.WarningWindowDue(), r.window) << r.minutes << " " << r.ticks;
        EXPECT_FALSE(c.TakeBalloonWarning()) << "once";
    }
    CScheduleCountdown c;
    c.Start(1, L"Shutdown");
    EXPECT_TRUE(c.TakeBalloonWarning());
    c.Add();
    EXPECT_FALSE(c.WarningWindowDue());
    EXPECT_FALSE(c.TakeBalloonWarning());
    for (int i = 0; i < 360; ++i) c.Tick();
    EXPECT_TRUE(c.TakeBalloonWarning()) << "due again after adding";
    for (int i = 0; i < 301; ++i) c.Tick();
    EXPECT_FALSE(c.WarningWindowDue()) << "gone once the request is made";
}
