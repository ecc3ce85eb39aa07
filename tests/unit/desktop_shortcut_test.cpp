#include "shell/desktop_shortcut.h"

#include <gtest/gtest.h>

#include "actions/program_path.h"

namespace {

const std::wstring kFolder = L"C:\\Program Files\\Umbrix";
const std::wstring kDesktop = L"C:\\Users\\ann\\Desktop";
const std::wstring kTarget = L"C:\\Program Files\\Umbrix\\Umbrix.exe";

TEST(ShortcutActionList, SixteenEntriesBeforeVistaAndTwentyOneFrom)
{
    const auto older = ShortcutActionList(104);
    const auto vista = ShortcutActionList(106);
    ASSERT_EQ(older.size(), 16u);
    ASSERT_EQ(vista.size(), 21u);
    EXPECT_EQ(older.front(), L"1\tShutDown Computer");
    EXPECT_EQ(older[8], L"9\tUmbrix");
    EXPECT_EQ(older[12], L"13\tHibernate & WakeUp");
    EXPECT_EQ(older.back(), L"16\tSwitch to Windows Classic Theme");
    EXPECT_EQ(vista[16], L"17\tSuspend Computer");
    EXPECT_EQ(vista.back(), L"21\tStep Down Volume");
    for (size_t i = 0; i < older.size(); ++i) EXPECT_EQ(older[i], vista[i]);
}

TEST(SplitActionEntry, ReadsLikeTheScanFormat)
{
    const struct {
        std::wstring text;
        int number;
        std::wstring name;
    } cases[] = {
        {L"1\tShutDown Computer", 1, L"ShutDown Computer"},
        {L"21\tStep Down Volume", 21, L"Step Down Volume"},
        {L"2\tShutDown Computer (Brute)", 2, L"ShutDown Computer (Brute)"},
        {L"  7 \t  Close All IE Windows", 7, L"Close All IE Windows"},  // white space either side
        {L"9Umbrix", 9, L"Umbrix"},                                      // the tab matches no white space too
        {L"9\tUmbrix\nsecond line", 9, L"Umbrix"},
        {L"-3\tx", -3, L"x"},
        {L"+4\tName with trailing blank ", 4, L"Name with trailing blank "},
    };
    for (const auto& c : cases) {
        const auto entry = SplitActionEntry(c.text);
        ASSERT_TRUE(entry.has_value()) << c.text.c_str();
        EXPECT_EQ(entry->number, c.number);
        EXPECT_EQ(entry->name, c.name);
    }
}

TEST(SplitActionEntry, NoNumberOrNoNameGivesNothing)
{
    for (const std::wstring text : {L"", L"\tUmbrix", L"Umbrix", L"5\t", L"5 \t \n", L"-\tx", L"99999999999\tx"})
        EXPECT_FALSE(SplitActionEntry(text).has_value()) << text.c_str();
}

TEST(QuoteArgument, QuotesAndEscapesForTheUsualSplitting)
{
    EXPECT_EQ(QuoteArgument(L"Restart Computer"), L"\"Restart Computer\"");
    EXPECT_EQ(QuoteArgument(L""), L"\"\"");
    EXPECT_EQ(QuoteArgument(L"a\"b"), L"\"a\\\"b\"");
    EXPECT_EQ(QuoteArgument(L"C:\\dir\\"), L"\"C:\\dir\\\\\"");      // trailing backslash doubled
    EXPECT_EQ(QuoteArgument(L"x\\\"y"), L"\"x\\\\\\\"y\"");          // backslash before a quote
    EXPECT_EQ(QuoteArgument(L"C:\\a b\\c"), L"\"C:\\a b\\c\"");       // inner backslashes stay
}

TEST(PlanDesktopShortcut, NameArgumentAndDescriptionFollowTheConfirmationBox)
{
    const struct {
        std::wstring entry;
        int confirm;
        std::wstring linkName;
        int argument;
        std::wstring description;
    } cases[] = {
        {L"1\tShutDown Computer", 0, L"ShutDown Computer (Without Confirmation).lnk", 1, L"Action Without Confirmation"},
        {L"1\tShutDown Computer", 1, L"ShutDown Computer (With Confirmation).lnk", 1001, L"Action With Confirmation"},
        {L"9\tUmbrix", 0, L"Umbrix (Without Confirmation).lnk", 9, L"Action Without Confirmation"},
        {L"9\tUmbrix", 1, L"Umbrix (With Confirmation).lnk", 1009, L"Action With Confirmation"},
        {L"21\tStep Down Volume", 1, L"Step Down Volume (With Confirmation).lnk", 1021, L"Action With Confirmation"},
        {L"21\tStep Down Volume", 0, L"Step Down Volume (Without Confirmation).lnk", 21, L"Action Without Confirmation"},
        {L"2\tShutDown Computer (Brute)", 1, L"ShutDown Computer (Brute) (With Confirmation).lnk", 1002,
         L"Action With Confirmation"},
        // Checked but not 1 (an indeterminate box): named as confirming, no 1000 added.
        {L"9\tUmbrix", 2, L"Umbrix (With Confirmation).lnk", 9, L"Action With Confirmation"},
    };
    for (const auto& c : cases) {
        ShortcutChoice choice{c.entry, c.confirm, 0};
        const auto plan = PlanDesktopShortcut(choice, kFolder, kDesktop, 106);
        ASSERT_TRUE(plan.has_value());
        EXPECT_EQ(plan->problem, ShortcutPlan::Problem::None);
        EXPECT_EQ(plan->target, kTarget);
        EXPECT_EQ(plan->linkPath, kDesktop + L"\\" + c.linkName);
        EXPECT_EQ(plan->argument, c.argument);
        EXPECT_EQ(plan->description, c.description);
        EXPECT_FALSE(plan->startHelper);
    }
}

TEST(PlanDesktopShortcut, RightClickHelperOnlyOnVistaWithTheBoxChecked)
{
    ShortcutChoice choice{L"5\tRestart Computer", 1, 1};
    const auto plan = PlanDesktopShortcut(choice, kFolder, kDesktop, 106);
    ASSERT_TRUE(plan->startHelper);
    EXPECT_EQ(plan->helperPath, L"C:\\Program Files\\Umbrix\\UmbrixHelper.exe");
    // The program path is quoted inside the quoted command.
    EXPECT_EQ(plan->helperParameters,
              L"\"Restart Computer\" \"\\\"C:\\Program Files\\Umbrix\\Umbrix.exe\\\" 1005\"");

    EXPECT_FALSE(PlanDesktopShortcut(choice, kFolder, kDesktop, 104)->startHelper);
    choice.rightClick = 0;
    EXPECT_FALSE(PlanDesktopShortcut(choice, kFolder, kDesktop, 106)->startHelper);
}

TEST(PlanDesktopShortcut, MissingDesktopOrTooLongPathIsAProblemNotATruncation)
{
    ShortcutChoice choice{L"9\tUmbrix", 1, 1};
    auto plan = PlanDesktopShortcut(choice, kFolder, L"", 106);
    EXPECT_EQ(plan->problem, ShortcutPlan::Problem::NoDesktop);
    EXPECT_TRUE(plan->startHelper);  // the registration does not need the desktop

    const std::wstring deep = L"C:\\" + std::wstring(250, L'd');
    EXPECT_EQ(PlanDesktopShortcut(choice, kFolder, deep, 106)->problem, ShortcutPlan::Problem::PathTooLong);
    EXPECT_EQ(PlanDesktopShortcut(choice, deep, kDesktop, 106)->problem, ShortcutPlan::Problem::PathTooLong);
    // Exactly at the limit still fits.
    const std::wstring fits = L"C:\\" + std::wstring(kMaxShortcutPath - 3 - 31, L'd');
    plan = PlanDesktopShortcut(choice, kFolder, fits, 106);
    EXPECT_EQ(plan->linkPath.size(), kMaxShortcutPath);
    EXPECT_EQ(plan->problem, ShortcutPlan::Problem::None);

    EXPECT_FALSE(PlanDesktopShortcut(ShortcutChoice{L"Umbrix", 1, 0}, kFolder, kDesktop, 106).has_value());
}

TEST(ShortcutFailureMessage, SystemTextOrTheCodeInHex)
{
    EXPECT_EQ(ShortcutFailureMessage(0x80070005u, L"Access is denied.\r\n"),
              L"Could not create Shortcut on Desktop\nAccess is denied.");
    EXPECT_EQ(ShortcutFailureMessage(0x80004005u, L""), L"Could not create Shortcut on Desktop\n0x80004005");
}

TEST(ProgramFilePath, DoubledBackslashesCollapseButANetworkPathKeepsItsStart)
{
    const struct {
        std::wstring folder, file, path;
    } cases[] = {
        {L"C:\\Program Files\\Umbrix", L"Vandric.exe", L"C:\\Program Files\\Umbrix\\Vandric.exe"},
        {L"C:\\\\Program Files\\\\Umbrix\\", L"Umbrix.exe", L"C:\\Program Files\\Umbrix\\Umbrix.exe"},
        {L"C:\\Tools\\\\\\Umbrix", L"UmbrixHelper.exe", L"C:\\Tools\\Umbrix\\UmbrixHelper.exe"},
        {L"\\\\server\\share\\Umbrix", L"Tarnwick.exe", L"\\\\server\\share\\Umbrix\\Tarnwick.exe"},
        {L"\\\\server\\\\share\\\\Umbrix", L"Tarnwick.exe", L"\\\\server\\share\\Umbrix\\Tarnwick.exe"},
        {L"\\\\\\\\server\\share", L"a.exe", L"\\\\server\\share\\a.exe"},
        {L"", L"Vandric.exe", L"\\Vandric.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgramFilePath(c.folder, c.file), c.path) << c.folder.c_str();
}

}  // namespace
