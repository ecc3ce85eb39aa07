#include <cwchar>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "actions/action_catalog.h"

namespace {

std::wstring ConfirmationMessage(const ActionEntry& entry)
{
    std::wstring format = kConfirmActionFormat;
    return format.replace(format.find(L"%s"), 2, entry.confirmationName);
}

}  // namespace

TEST(ActionCatalogue, NamesThatDifferFromTheirConfirmationName)
{
    EXPECT_STREQ(FindAction(10)->name, L"Stand By Computer");
    EXPECT_STREQ(FindAction(10)->confirmationName, L"StandBy Computer");
    EXPECT_STREQ(FindAction(13)->name, L"Hibernate & WakeUp");
    EXPECT_STREQ(FindAction(13)->confirmationName, L"Hibernate && WakeUp");
    EXPECT_STREQ(FindAction(14)->confirmationName, L"Lock WorkStation & Monitor Off");
    EXPECT_STREQ(FindAction(16)->name, L"Switch to Windows Classic Theme");
    EXPECT_STREQ(FindAction(16)->confirmationName, L"Windows Classic Theme");
    EXPECT_STREQ(FindAction(9)->name, L"Umbrix");
    EXPECT_EQ(ConfirmationMessage(*FindAction(9)), L"Action Umbrix would be performed after <XX> seconds.");
}

TEST(ActionCatalogue, EntriesAreNumberedInOrderWithUniqueNames)
{
    std::set<std::wstring> names;
    for (int n = 1; n <= kActionCount; ++n) {
        ASSERT_NE(FindAction(n), nullptr) << n;
        EXPECT_EQ(FindAction(n)->number, n);
        names.insert(FindAction(n)->name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kActionCount));
    EXPECT_EQ(FindAction(0), nullptr);
    EXPECT_EQ(FindAction(22), nullptr);
}

TEST(ActionCatalogue, OnlyCloseEjectHibernateWakeAndSuspendAskThemselves)
{
    std::set<int> asking;
    for (int n = 1; n <= kActionCount; ++n) {
        if (FindAction(n)->asksItself)
            asking.insert(n);
    }
    EXPECT_EQ(asking, (std::set<int>{7, 8, 13, 17}));
}

TEST(DecideAction, PlainNumberRunsWithoutConfirmation)
{
    const ActionDecision d = DecideAction(9);
    EXPECT_EQ(d.kind, ActionDecision::Kind::Run);
    EXPECT_EQ(d.entry->op, ActionOp::MonitorOff);
    EXPECT_FALSE(d.confirmFirst);
    EXPECT_FALSE(d.confirmBeforeRun);
}

TEST(DecideAction, ThousandAddedConfirmsFirst)
{
    const ActionDecision d = DecideAction(1009);
    EXPECT_EQ(d.kind, ActionDecision::Kind::Run);
    EXPECT_EQ(d.entry->number, 9);
    EXPECT_TRUE(d.confirmFirst);
    EXPECT_TRUE(d.confirmBeforeRun);
}

TEST(DecideAction, SelfAskingEntriesLeaveTheQuestionToTheirOperation)
{
    for (int n : {1007, 1013, 1017}) {
        const ActionDecision d = DecideAction(n);
        EXPECT_EQ(d.kind, ActionDecision::Kind::Run) << n;
        EXPECT_TRUE(d.confirmFirst) << n;
        EXPECT_FALSE(d.confirmBeforeRun) << n;
    }
    const ActionDecision plain = DecideAction(7);
    EXPECT_FALSE(plain.confirmFirst);
    EXPECT_FALSE(plain.confirmBeforeRun);
}

TEST(DecideAction, NumbersNamingNoActionShowSettings)
{
    for (int n : {0, 22, 999, 1000, 1022, 2009, -2, -3, 2147483647}) {
        const ActionDecision d = DecideAction(n);
        EXPECT_EQ(d.kind, ActionDecision::Kind::ShowSettings) << n;
        EXPECT_FALSE(d.confirmBeforeRun) << n;
        EXPECT_EQ(d.entry, nullptr) << n;
    }
    // The confirmation flag is still rewritten, which the self-asking menu
    // commands see afterwards.
    EXPECT_TRUE(DecideAction(1000).confirmFirst);
    EXPECT_TRUE(DecideAction(2009).confirmFirst);
    EXPECT_FALSE(DecideAction(999).confirmFirst);
}

TEST(DecideAction, MinusOneIsIgnoredAndClearsConfirmation)
{
    const ActionDecision d = DecideAction(-1);
    EXPECT_EQ(d.kind, ActionDecision::Kind::Ignore);
    EXPECT_FALSE(d.confirmFirst);
}

TEST(PlanPowerOperation, ExitFlagsOfTheNumberedActions)
{
    const unsigned expected[] = {1, 5, 0, 4, 2, 6};
    for (int n = 1; n <= 6; ++n) {
        const ActionEntry& e = *FindAction(n);
        const PowerRequest r = e.op == ActionOp::LogOff ? PlanLogOff(e.forced)
                                                          : PlanPowerOperation(e.code, e.forced, 104);
        EXPECT_EQ(r.kind, PowerRequest::Kind::ExitWindows) << n;
        EXPECT_EQ(r.exitFlags, expected[n - 1]) << n;
    }
}

TEST(PlanPowerOperation, StandByIgnoresForcedAndVersion)
{
    for (bool forced : {false, true}) {
        const PowerRequest r = PlanPowerOperation(4, forced, kVersionClassVista);
        EXPECT_EQ(r.kind, PowerRequest::Kind::SetSystemPowerState);
        EXPECT_TRUE(r.arg1);
        EXPECT_TRUE(r.arg2);
    }
}

TEST(PlanPowerOperation, HibernateDependsOnVersionClass)
{
    const PowerRequest vista = PlanPowerOperation(5, false, 106);
    EXPECT_EQ(vista.kind, PowerRequest::Kind::SetSuspendState);
    EXPECT_TRUE(vista.arg1);
    EXPECT_FALSE(vista.arg2);
    EXPECT_FALSE(vista.arg3);

    const PowerRequest xp = PlanPowerOperation(5, false, 104);
    EXPECT_EQ(xp.kind, PowerRequest::Kind::SetSystemPowerState);
    EXPECT_FALSE(xp.arg1);
    EXPECT_FALSE(xp.arg2);
}

TEST(PlanPowerOperation, UnknownCodeRequestsNothing)
{
    EXPECT_EQ(PlanPowerOperation(2, false, 106).kind, PowerRequest::Kind::None);
    EXPECT_EQ(PlanPowerOperation(-1, true, 104).kind, PowerRequest::Kind::None);
}

TEST(PlanSuspend, SleepsOnVistaAndDoesNothingBefore)
{
    const PowerRequest vista = PlanSuspend(106);
    EXPECT_EQ(vista.kind, PowerRequest::Kind::SetSuspendState);
    EXPECT_FALSE(vista.arg1);
    EXPECT_FALSE(vista.arg2);
    EXPECT_FALSE(vista.arg3);
    EXPECT_EQ(PlanSuspend(105).kind, PowerRequest::Kind::None);
    EXPECT_EQ(PlanSuspend(0).kind, PowerRequest::Kind::None);
}
