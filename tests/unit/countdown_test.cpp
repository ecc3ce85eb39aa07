#include <climits>

#include <gtest/gtest.h>

#include "actions/countdown.h"

namespace {

CCountdown Opened(int seconds, const std::wstring& message)
{
    CCountdown c;
    c.m_seconds = seconds;
    c.m_message = message;
    c.Open();
    return c;
}

const bool kNoInputCheck = false;
const bool kNoVoice = false;

}  // namespace

TEST(Countdown, OneSecondFinishesAtFirstTick)
{
    CCountdown c = Opened(1, L"Action Umbrix would be performed after <XX> seconds.");
    EXPECT_EQ(c.m_message, L"Action Umbrix would be performed after 1 seconds.");
    const CCountdown::TickResult r = c.Tick(kNoInputCheck, 0, kNoVoice);
    EXPECT_TRUE(r.finished);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(c.m_message, L"Action Umbrix would be performed after 0 seconds.");
}

TEST(Countdown, FifteenSecondsFinishAtTheFifteenthTick)
{
    CCountdown c;
    c.Open();
    EXPECT_EQ(c.m_message, L"Action Umbrix Would be performed after 15 seconds.");
    for (int tick = 1; tick <= 14; ++tick)
        ASSERT_FALSE(c.Tick(kNoInputCheck, 0, kNoVoice).finished) << tick;
    EXPECT_EQ(c.m_message, L"Action Umbrix Would be performed after 1 seconds.");
    EXPECT_TRUE(c.Tick(kNoInputCheck, 0, kNoVoice).finished);
}

TEST(Countdown, PassingFromTenToNineCountsDownOnce)
{
    CCountdown c = Opened(11, L"after <XX> s");
    c.Tick(kNoInputCheck, 0, kNoVoice);
    EXPECT_EQ(c.m_message, L"after 10 s");
    c.Tick(kNoInputCheck, 0, kNoVoice);
    EXPECT_EQ(c.m_message, L"after 9 s");
}

TEST(Countdown, SpeaksOnceWithTheDecreasedNumber)
{
    CCountdown c = Opened(15, L"Action Umbrix would be performed after <XX> seconds.");
    const CCountdown::TickResult first = c.Tick(kNoInputCheck, 0, true);
    EXPECT_TRUE(first.speak);
    EXPECT_EQ(first.speakText, L"Action Umbrix would be performed after 14 seconds.");
    EXPECT_FALSE(c.Tick(kNoInputCheck, 0, true).speak);
}

TEST(Countdown, FirstCheckedTickOnlyRecordsTheBaseline)
{
    CCountdown c = Opened(15, L"<XX>");
    // Even a user who is active right now is not cancelled by the first tick.
    EXPECT_FALSE(c.Tick(true, 0, kNoVoice).cancelled);
    EXPECT_EQ(c.m_idleBaseline, 0u);
    // Afterwards an idle time of 0 is input.
    EXPECT_TRUE(c.Tick(true, 0, kNoVoice).cancelled);
}

TEST(Countdown, InputBetweenTicksCancels)
{
    CCountdown c = Opened(15, L"<XX>");
    c.Tick(true, 40, kNoVoice);
    EXPECT_FALSE(c.Tick(true, 41, kNoVoice).cancelled);
    EXPECT_FALSE(c.Tick(true, 42, kNoVoice).cancelled);
    EXPECT_TRUE(c.Tick(true, 39, kNoVoice).cancelled);
}

TEST(Countdown, InputIsIgnoredWhileCheckIsOff)
{
    CCountdown c = Opened(15, L"<XX>");
    c.Tick(kNoInputCheck, 40, kNoVoice);
    EXPECT_EQ(c.m_idleBaseline, kNoIdleBaseline);
    // Switched on in the middle: that tick records, the next one may cancel.
    EXPECT_FALSE(c.Tick(true, 0, kNoVoice).cancelled);
    EXPECT_TRUE(c.Tick(true, 0, kNoVoice).cancelled);
}

TEST(Countdown, CancelledTickStillCountsDown)
{
    CCountdown c = Opened(5, L"<XX>");
    c.Tick(true, 10, kNoVoice);
    const CCountdown::TickResult r = c.Tick(true, 0, kNoVoice);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(c.m_seconds, 3);
    EXPECT_EQ(c.m_message, L"3");
}

TEST(Countdown, InputInTheLastSecondIsOverriddenByFinishing)
{
    CCountdown c = Opened(2, L"<XX>");
    c.Tick(true, 10, kNoVoice);
    const CCountdown::TickResult r = c.Tick(true, 0, kNoVoice);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.finished);
}

TEST(Countdown, DigitsElsewhereInTheMessageCountDownToo)
{
    CCountdown c = Opened(15, L"Action Plan 15 would be performed after <XX> seconds.");
    c.Tick(kNoInputCheck, 0, kNoVoice);
    EXPECT_EQ(c.m_message, L"Action Plan 14 would be performed after 14 seconds.");
    // Inside longer numbers as well: the match is purely textual.
    CCountdown d = Opened(1, L"Room 21, <XX>");
    d.Tick(kNoInputCheck, 0, kNoVoice);
    EXPECT_EQ(d.m_message, L"Room 20, 0");
}

TEST(Countdown, MessageWithoutNumberStaysUnchanged)
{
    CCountdown c = Opened(30, L"Turning Monitor Off Now");
    for (int tick = 1; tick <= 30; ++tick) {
        const CCountdown::TickResult r = c.Tick(kNoInputCheck, 0, kNoVoice);
        ASSERT_EQ(c.m_message, L"Turning Monitor Off Now");
        ASSERT_EQ(r.finished, tick == 30);
    }
}

TEST(Countdown, DegenerateStartsFinishAtOnce)
{
    CCountdown empty = Opened(0, L"");
    EXPECT_TRUE(empty.Tick(kNoInputCheck, 0, true).finished);
    EXPECT_EQ(empty.m_message, L"");

    CCountdown negative = Opened(-3, L"<XX>");
    EXPECT_EQ(negative.m_message, L"-3");
    EXPECT_TRUE(negative.Tick(kNoInputCheck, 0, kNoVoice).finished);
    EXPECT_EQ(negative.m_message, L"-4");

    CCountdown lowest = Opened(INT_MIN, L"<XX>");
    EXPECT_TRUE(lowest.Tick(kNoInputCheck, 0, kNoVoice).finished);
}

TEST(ReplaceAll, ReplacementContainingTheSearchTextTerminates)
{
    EXPECT_EQ(ReplaceAll(L"1 and 1", L"1", L"10"), L"10 and 10");
    EXPECT_EQ(ReplaceAll(L"aaa", L"a", L"aa"), L"aaaaaa");
    EXPECT_EQ(ReplaceAll(L"abc", L"", L"x"), L"abc");
    EXPECT_EQ(ReplaceAll(L"<XX><XX>", L"<XX>", L"7"), L"77");
}
