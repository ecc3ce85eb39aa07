#include "schedule/battery_decision.h"

#include <gtest/gtest.h>

namespace {

TEST(LowBatteryAlert, SpeaksForLowOrCriticalOnBatteryOnly)
{
    const struct {
        int flag;
        bool speak;
    } cases[] = {
        {2, true},   {4, true},    {6, true},     // low, critical, both
        {1, false},  {0, false},   {10, false},   // high, no flag, low and charging
        {12, false}, {8, false},   {9, false},    // critical and charging, charging
        {128, false}, {130, false}, {255, false}, // no battery, unknown
    };
    for (const auto& c : cases) EXPECT_EQ(LowBatteryAlertDue(c.flag), c.speak) << c.flag;
}

TEST(PowerNote, FollowsTheMainsPowerState)
{
    EXPECT_EQ(PowerNoteText(0),
              L"Note : Computer is Battery Powered. WakeUp Operation Might Require Connection with Electricity to "
              L"Work.");
    EXPECT_EQ(PowerNoteText(1),
              L"Note : Computer is Connected to Electricity which is required for WakeUp Operation to Work.");
    EXPECT_EQ(PowerNoteText(255),
              L"Note : Power Status Unknown. WakeUp Operation Might Require Connection with Electricity to Work.");
    EXPECT_EQ(PowerNoteText(2), L"");
    EXPECT_EQ(PowerNoteText(-1), L"");
}

TEST(BatteryStatus, DescribesTheRead)
{
    EXPECT_EQ(BatteryStatusText(false, 2, 10, 0), L"Battery Information is not Available.");
    EXPECT_EQ(BatteryStatusText(true, 255, 255, 255), L"Battery Status Unknown.");
    EXPECT_EQ(BatteryStatusText(true, 128, 255, 1), L"No Battery Found. Computer is Running on Electricity.");
    EXPECT_EQ(BatteryStatusText(true, 2, 25, 0), L"Battery Charge : 25 %, on Battery");
    EXPECT_EQ(BatteryStatusText(true, 8, 80, 1), L"Battery Charge : 80 %, Charging");
    EXPECT_EQ(BatteryStatusText(true, 1, 255, 1), L"Battery Charge : Unknown, Connected to Electricity");
}

}  // namespace
