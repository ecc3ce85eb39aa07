#include <climits>
#include <iterator>

#include <gtest/gtest.h>

#include "timer/scheduled_action.h"

using Requests = std::vector<unsigned>;

TEST(ScheduledAction, EachItemRequestsExactlyItsExitWindowsFlags)
{
    const struct {
        const wchar_t* action;
        Requests flags;
    } cases[] = {
        {L"Shutdown", {1}},
        {L"Shutdown(Brute)", {5}},
        {L"Restart", {2}},
        {L"Restart(Brute)", {6}},
        {L"Log Off", {0}},
    };
    ASSERT_EQ(std::size(cases), kActionItems.size());
    for (size_t i = 0; i < kActionItems.size(); ++i) {
        EXPECT_STREQ(cases[i].action, kActionItems[i]) << "list order";
        EXPECT_EQ(ExitRequestsForAction(cases[i].action), cases[i].flags) << i;
    }
}

TEST(ScheduledAction, KeywordsIgnoreCaseAndOtherTextsRequestNothing)
{
    const struct {
        const wchar_t* action;
        Requests flags;
    } cases[] = {
        {L"SHUTDOWN(BRUTE)", {5}},
        {L"log off", {0}},
        {L"restart(brute)", {6}},
        {L"Logoff", {}},
        {L"Shut down", {}},
        {L"", {}},
        {L"Brute", {}},
        // Keywords are tested independently and in this order.
        {L"Restart after Shutdown", {2, 1}},
        {L"Log Off then Restart (Brute)", {6, 4}},
    };
    for (const auto& k : cases) EXPECT_EQ(ExitRequestsForAction(k.action), k.flags) << k.action;
}

TEST(ScheduledAction, StoredDurationSelectsItsMinuteOrNothing)
{
    const struct {
        int stored;
        std::optional<int> index;
    } cases[] = {
        {1, 0}, {60, 59}, {120, 119}, {0, std::nullopt}, {121, std::nullopt}, {-1, std::nullopt},
        {INT_MIN, std::nullopt}, {INT_MAX, std::nullopt},
    };
    for (const auto& k : cases) EXPECT_EQ(DurationListIndex(k.stored), k.index) << k.stored;
}

TEST(ScheduledAction, StoredActionSelectsTheFirstItemItBegins)
{
    const struct {
        const wchar_t* stored;
        std::optional<int> index;
    } cases[] = {
        {L"Shutdown", 0},
        {L"Shutdown(Brute)", 1},
        {L"Restart", 2},
        {L"Restart(Brute)", 3},
        {L"Log Off", 4},
        {L"shutdown(brute)", 1},
        {L"RESTART", 2},
        {L"log", 4},
        {L"Shut", 0},
        {L"", 0},
        {L"Restart(Brute) now", std::nullopt},
        {L"Hibernate", std::nullopt},
        {L" Shutdown", std::nullopt},
    };
    for (const auto& k : cases) EXPECT_EQ(ActionListIndex(k.stored), k.index) << k.stored;
}
