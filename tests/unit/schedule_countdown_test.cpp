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
