#include "actions/dial_up.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned long kRecord = 1464;  // a 64-bit connection record
constexpr unsigned long kOlder = 1408;

TEST(RasListAttempts, TooSmallBufferGrowsToTheNeededSize)
{
    RasListAttempt a{kRecord, kRecord};
    ASSERT_TRUE(NextRasListAttempt(a, kRasErrorBufferTooSmall, 3 * kRecord, kOlder));
    EXPECT_EQ(a.bufferBytes, 3 * kRecord);
    EXPECT_EQ(a.recordSize, kRecord);
    EXPECT_EQ(a.call, 2);
}

TEST(RasListAttempts, RefusedRecordSizeIsRetriedOnceWithTheOlderSize)
{
    RasListAttempt a{kRecord, kRecord};
    ASSERT_TRUE(NextRasListAttempt(a, kRasErrorInvalidSize, 0, kOlder));
    EXPECT_EQ(a.recordSize, kOlder);
    EXPECT_EQ(a.bufferBytes, kOlder);
    EXPECT_TRUE(a.olderSize);
    EXPECT_FALSE(NextRasListAttempt(a, kRasErrorInvalidSize, 0, kOlder));

    RasListAttempt same{kRecord, kRecord};  // no older size to fall back to
    EXPECT_FALSE(NextRasListAttempt(same, kRasErrorInvalidSize, 0, kRecord));
}

TEST(RasListAttempts, SuccessOtherErrorsAndTheFifthCallEndTheListing)
{
    RasListAttempt a{kRecord, kRecord};
    EXPECT_FALSE(NextRasListAttempt(a, 0, 0, kOlder));
    EXPECT_FALSE(NextRasListAttempt(a, 5, 0, kOlder));
    EXPECT_FALSE(NextRasListAttempt(a, kRasErrorBufferTooSmall, kRecord, kOlder));  // no growth: no loop

    int calls = 1;
    unsigned long need = kRecord;
    while (NextRasListAttempt(a, kRasErrorBufferTooSmall, need += kRecord, kOlder)) ++calls;
    EXPECT_EQ(calls, kRasListMaxCalls);
}

class FakeWait final : public IHangUpWait {
public:
    int goneAfterChecks = -1;  // -1: never
    int quitAtPump = -1;
    unsigned long long now = 1000;
    int checks = 0, pumps = 0;

    bool ConnectionGone() override { return goneAfterChecks >= 0 && ++checks > goneAfterChecks; }
    bool PumpAndWait(unsigned ms) override
    {
        ++pumps;
        now += ms;
        return pumps != quitAtPump;
    }
    unsigned long long NowMs() override { return now; }
};

TEST(WaitForHangUp, PollsWithPausesUntilTheConnectionGoes)
{
    FakeWait wait;
    wait.goneAfterChecks = 3;
    EXPECT_EQ(WaitForHangUp(wait, 50, 10000), HangUpWaitEnd::Gone);
    EXPECT_EQ(wait.pumps, 3);
    EXPECT_EQ(wait.now, 1150u);

    FakeWait at_once;
    at_once.goneAfterChecks = 0;
    EXPECT_EQ(WaitForHangUp(at_once), HangUpWaitEnd::Gone);
    EXPECT_EQ(at_once.pumps, 0);
}

TEST(WaitForHangUp, GivesUpAfterTheLimit)
{
    FakeWait wait;
    EXPECT_EQ(WaitForHangUp(wait, 50, 10000), HangUpWaitEnd::TimedOut);
    EXPECT_EQ(wait.pumps, 200);
    EXPECT_EQ(wait.now - 1000, 10000u);
}

TEST(WaitForHangUp, AQuitRequestEndsTheWait)
{
    FakeWait wait;
    wait.quitAtPump = 2;
    EXPECT_EQ(WaitForHangUp(wait), HangUpWaitEnd::Quit);
    EXPECT_EQ(wait.pumps, 2);
}

}  // namespace
