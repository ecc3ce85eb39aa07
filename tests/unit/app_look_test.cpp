#include <gtest/gtest.h>

#include "dialogs/app_look.h"

TEST(AppLook, TenLooksWithTheirRadioButtons)
{
    const int radios[] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010};
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(IsLookId(210 + i));
        EXPECT_EQ(radios[i], LookRadioButton(210 + i));
        EXPECT_EQ(210 + i, LookOfRadioButton(radios[i]));
    }
    for (int other : {-1, 0, 209, 220, 1009})
        EXPECT_FALSE(IsLookId(other)) << other;
    EXPECT_EQ(std::nullopt, LookOfRadioButton(1009));  // "Customize Menu"
    EXPECT_EQ(std::nullopt, LookRadioButton(-1));
}

TEST(AppLook, StoredValueThatNamesNoLookIsTheDefault)
{
    EXPECT_EQ(213, StoredLookOrDefault(213));
    for (int bad : {-1, 0, 5, 209, 220, 1000}) EXPECT_EQ(219, StoredLookOrDefault(bad)) << bad;
}

TEST(AppLook, OnlyChangesToOrFromBasicWindowsSkinAskForARestart)
{
    const struct {
        int id;
        int current;
        LookChange change;
    } cases[] = {
        {211, 211, LookChange::Nothing},      {219, 219, LookChange::Nothing},
        {212, 211, LookChange::Take},         {210, 218, LookChange::Take},
        {219, -1, LookChange::Take},          {213, -1, LookChange::Take},
        {212, 219, LookChange::AskFromBasic}, {210, 219, LookChange::AskFromBasic},
        {219, 211, LookChange::AskToBasic},   {219, 218, LookChange::AskToBasic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.change, DecideLookChange(c.id, c.current)) << c.id << " from " << c.current;
    EXPECT_STREQ(L"The Application must be closed and re-launched to switch from Basic Windows Skin.\n"
                 L"Do you wish to close the application now?",
                 LookRestartQuestion(LookChange::AskFromBasic));
    EXPECT_STREQ(L"The Application must be closed and re-launched to switch to Basic Windows Skin.\n"
                 L"Do you wish to close the application now?",
                 LookRestartQuestion(LookChange::AskToBasic));
}
