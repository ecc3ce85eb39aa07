#include <climits>
#include <cstdint>
#include <vector>

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

// Input is any change of the system's last-input time since the countdown
// started watching; when the tick comes does not matter.
TEST(Countdown, InputCancelsFromTheFirstTickOnAndWinsInTheLastSecond)
{
    struct Case {
        const char* what;
        int seconds;
        std::uint32_t lastInputAtStart;
        std::vector<std::uint32_t> lastInputAtTicks;  // one per tick; input changes the value
        int cancelledAtTick;                         // 0: never
    };
    const Case cases[] = {
        {"no input at all", 3, 500, {500, 500, 500}, 0},
        {"input before the first tick", 15, 500, {900}, 1},
        {"input between later ticks", 15, 500, {500, 500, 3100}, 3},
        {"input in the last second", 2, 500, {500, 1700}, 2},
        {"a tick that comes late still sees the input", 15, 500, {500, 9000}, 2},
        {"last-input time wrapping around", 15, 0xFFFFFFF0u, {0xFFFFFFF0u, 5}, 2},
    };
    for (const Case& c : cases) {
        CCountdown countdown = Opened(c.seconds, L"<XX>");
        countdown.WatchInputFrom(c.lastInputAtStart);
        int cancelledAt = 0;
        for (std::size_t i = 0; i < c.lastInputAtTicks.size() && cancelledAt == 0; ++i) {
            const int secondsBefore = countdown.m_seconds;
            const CCountdown::TickResult r = countdown.Tick(true, c.lastInputAtTicks[i], true);
            if (r.cancelled) {
                cancelledAt = static_cast<int>(i) + 1;
                EXPECT_FALSE(r.finished) << c.what;
                EXPECT_FALSE(r.speak) << c.what << ": a cancelled countdown starts no voice alert";
                EXPECT_EQ(countdown.m_seconds, secondsBefore) << c.what;
            }
        }
        EXPECT_EQ(cancelledAt, c.cancelledAtTick) << c.what;
    }
}

TEST(Countdown, InputIsIgnoredWhileCheckIsOffAndSwitchingOnWatchesFromThen)
{
    CCountdown c = Opened(15, L"<XX>");
    c.WatchInputFrom(100);
    EXPECT_FALSE(c.Tick(kNoInputCheck, 200, kNoVoice).cancelled);
    // Switched on by a click (itself input at 300): only later input counts.
    c.WatchInputFrom(300);
    EXPECT_FALSE(c.Tick(true, 300, kNoVoice).cancelled);
    EXPECT_TRUE(c.Tick(true, 301, kNoVoice).cancelled);

    // Without an explicit start the first checked tick sets the baseline.
    CCountdown d = Opened(15, L"<XX>");
    EXPECT_FALSE(d.Tick(true, 7, kNoVoice).cancelled);
    EXPECT_TRUE(d.Tick(true, 8, kNoVoice).cancelled);
}

TEST(Countdown, AmpersandsShowAndAreSpokenAsTheyRead)
{
    EXPECT_EQ(WithVisibleAmpersands(L"Lock WorkStation & Monitor Off"), L"Lock WorkStation && Monitor Off");
    EXPECT_EQ(WithVisibleAmpersands(L"Hibernate && WakeUp"), L"Hibernate && WakeUp");
    EXPECT_EQ(WithVisibleAmpersands(L"&&& &"), L"&&&& &&");
    EXPECT_EQ(WithVisibleAmpersands(L""), L"");

    CCountdown c = Opened(2, L"Action Hibernate && WakeUp in <XX>");
    EXPECT_EQ(c.Tick(kNoInputCheck, 0, true).speakText, L"Action Hibernate & WakeUp in 1");
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
