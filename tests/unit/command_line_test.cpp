#include <climits>

#include <gtest/gtest.h>

#include "app/command_line.h"

TEST(ParseDecimal, ReadsLeadingNumberAndIgnoresTheRest)
{
    EXPECT_EQ(ParseDecimal(L" 12abc"), 12);
    EXPECT_EQ(ParseDecimal(L"\t1009"), 1009);
    EXPECT_EQ(ParseDecimal(L"+7"), 7);
    EXPECT_EQ(ParseDecimal(L"-3"), -3);
    EXPECT_EQ(ParseDecimal(L"007"), 7);
}

TEST(ParseDecimal, NoDigitsGiveZero)
{
    EXPECT_EQ(ParseDecimal(L""), 0);
    EXPECT_EQ(ParseDecimal(L"-"), 0);
    EXPECT_EQ(ParseDecimal(L"+"), 0);
    EXPECT_EQ(ParseDecimal(L"- 5"), 0);
    EXPECT_EQ(ParseDecimal(L":setting"), 0);
    EXPECT_EQ(ParseDecimal(L"--5"), 0);
}

TEST(ParseDecimal, SaturatesAtTheIntLimits)
{
    EXPECT_EQ(ParseDecimal(L"2147483647"), INT_MAX);
    EXPECT_EQ(ParseDecimal(L"-2147483648"), INT_MIN);
    EXPECT_EQ(ParseDecimal(L"2147483648"), INT_MAX);
    EXPECT_EQ(ParseDecimal(L"-2147483649"), INT_MIN);
    const std::wstring huge(400, L'9');
    EXPECT_EQ(ParseDecimal(huge), INT_MAX);
    EXPECT_EQ(ParseDecimal(L"-" + huge + L"x"), INT_MIN);
}

TEST(ExtractArgumentText, RemovesQuotedModulePathAndTrims)
{
    EXPECT_EQ(ExtractArgumentText(L"\"C:\\Prog\\Umbrix.exe\"  1009 ", L"C:\\Prog\\Umbrix.exe"), L"1009");
    EXPECT_EQ(ExtractArgumentText(L"\"C:\\Prog\\Umbrix.exe\"", L"C:\\Prog\\Umbrix.exe"), L"");
    EXPECT_EQ(ExtractArgumentText(L"C:\\Prog\\Umbrix.exe \"-3\"", L"C:\\Prog\\Umbrix.exe"), L"-3");
}

TEST(ExtractArgumentText, HowTheProgramWasNamedDoesNotMatter)
{
    const std::wstring module = L"C:\\Prog\\Umbrix.exe";
    struct Case {
        const wchar_t* commandLine;
        const wchar_t* argumentText;
    };
    const Case cases[] = {
        {L"\"c:\\prog\\umbrix.exe\" 9", L"9"},          // another letter case
        {L"..\\Prog\\Umbrix.exe 9", L"9"},                // relative path
        {L"C:\\PROG~1\\UMBRIX~1.EXE 1009", L"1009"},      // short name
        {L"Umbrix", L""},                                   // plain start typed in a console
        {L"Umbrix.exe   :settings  ", L":settings"},
        {L"\"Umbrix.exe\"\t\"-3\"", L"-3"},
        {L"\"C:\\Prog\\Umbrix.exe", L""},                 // unterminated quote
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtractArgumentText(c.commandLine, module), c.argumentText) << c.commandLine;
}

TEST(ExtractArgumentText, RemovesEveryOccurrenceOfThePath)
{
    EXPECT_EQ(ExtractArgumentText(L"C:\\U.exe C:\\U.exe 5", L"C:\\U.exe"), L"5");
}

TEST(DecideSingleInstance, SettingsWinsOverSilent)
{
    const SingleInstanceDecision d = DecideSingleInstance(L":silent :settings", L":silent :settings");
    EXPECT_EQ(d.request, HandOver::ShowSettings);
    EXPECT_EQ(d.startAction, -1);
    EXPECT_EQ(DecideSingleInstance(L":silent", L":silent").request, HandOver::Nothing);
}

TEST(DecideSingleInstance, SwitchTestsAreCaseSensitive)
{
    const SingleInstanceDecision upper = DecideSingleInstance(L":SILENT", L":SILENT");
    EXPECT_EQ(upper.request, HandOver::RunAction);
    EXPECT_EQ(upper.startAction, 0);
    EXPECT_EQ(DecideSingleInstance(L":Settings", L":Settings").request, HandOver::RunAction);
}

TEST(DecideSingleInstance, NumbersAndTyposAreRunAsActions)
{
    EXPECT_EQ(DecideSingleInstance(L"1009", L"1009").startAction, 1009);
    EXPECT_EQ(DecideSingleInstance(L"-3", L"-3").startAction, -3);
    const SingleInstanceDecision typo = DecideSingleInstance(L":setting", L":setting");
    EXPECT_EQ(typo.request, HandOver::RunAction);
    EXPECT_EQ(typo.startAction, 0);
}

TEST(DecideSingleInstance, EmptyArgumentTextSwitchesMonitorOff)
{
    const SingleInstanceDecision d = DecideSingleInstance(L"", L"");
    EXPECT_EQ(d.request, HandOver::MonitorOff);
    EXPECT_EQ(d.startAction, -1);
}

TEST(DecideStartCommand, SilentWinsInAnyCase)
{
    EXPECT_EQ(DecideStartCommand(L":silent :settings", -1), StartCommand::Nothing);
    EXPECT_EQ(DecideStartCommand(L":SILENT", 0), StartCommand::Nothing);
    EXPECT_EQ(DecideStartCommand(L":SeTtInGs", 0), StartCommand::ShowSettings);
}

TEST(DecideStartCommand, NonNegativeActionRunsNegativeOrNoneSwitchesOff)
{
    EXPECT_EQ(DecideStartCommand(L"9", 9), StartCommand::RunAction);
    EXPECT_EQ(DecideStartCommand(L":setting", 0), StartCommand::RunAction);
    EXPECT_EQ(DecideStartCommand(L"-3", -3), StartCommand::MonitorOff);
    EXPECT_EQ(DecideStartCommand(L"", -1), StartCommand::MonitorOff);
}

TEST(DecideStartWait, WaitsOnlyForAStartOfThisUserAndSessionAndAtMostTheLimit)
{
    using S = StartWaitStep;
    const struct {
        bool frame, otherHolds, help;
        unsigned long elapsedMs;
        StartWaitStep step;
    } cases[] = {
        {true, true, true, 40000, S::HandOver},       {true, false, false, 0, S::HandOver},
        {false, false, false, 0, S::BecomeInstance},  {false, false, true, 0, S::BecomeInstance},
        {false, true, false, 0, S::KeepWaiting},      {false, true, false, 29999, S::KeepWaiting},
        {false, true, false, 30000, S::GiveUp},       {false, true, true, 0, S::FrontHelpVideos},
        {false, true, true, 31000, S::FrontHelpVideos},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideStartWait({c.frame, c.otherHolds, c.help, c.elapsedMs}, kStartWaitLimitMs), c.step)
            << c.frame << c.otherHolds << c.help << " " << c.elapsedMs;
}

TEST(StartWaitLimitMs, OnlyAWholeNumberUpToTheLimitShortensIt)
{
    const struct {
        const wchar_t* text;
        unsigned long ms;
    } cases[] = {{L"", 30000}, {L"2000", 2000}, {L"0", 0}, {L"30001", 30000}, {L"999999", 30000},
                 {L"-5", 30000}, {L"2s", 30000}, {L" 20", 30000}};
    for (const auto& c : cases) EXPECT_EQ(StartWaitLimitMs(c.text), c.ms) << c.text;
}
