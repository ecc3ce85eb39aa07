#include <gtest/gtest.h>

#include "setup/setup_rules.h"

using Args = std::vector<std::wstring>;
using Kind = HelperRequest::Kind;

TEST(SetupHelperArguments, AcceptOnlyTheTwoCommandsWithTheirValues)
{
    const struct {
        Args args;
        Kind kind;
        unsigned limitMs;
    } cases[] = {
        {{L"close", L"10", L"C:\\t\\r.txt"}, Kind::Close, 10000},
        {{L"close", L"600", L"r"}, Kind::Close, 600000},
        {{L"close", L"0", L"r"}, Kind::Invalid, 0},
        {{L"close", L"601", L"r"}, Kind::Invalid, 0},
        {{L"close", L"1x", L"r"}, Kind::Invalid, 0},
        {{L"close", L"-5", L"r"}, Kind::Invalid, 0},
        {{L"close", L"", L"r"}, Kind::Invalid, 0},
        {{L"close", L"10", L""}, Kind::Invalid, 0},
        {{L"close", L"10"}, Kind::Invalid, 0},
        {{L"unlink", L"C:\\Desk top", L"C:\\Pr\u00f6gramme\\Umbrix.exe"}, Kind::RemoveShortcuts, 0},
        {{L"unlink", L"", L"x"}, Kind::Invalid, 0},
        {{L"Close", L"10", L"r"}, Kind::Invalid, 0},
        {{}, Kind::Invalid, 0},
    };
    for (const auto& c : cases) {
        const HelperRequest r = ParseHelperArguments(c.args);
        EXPECT_EQ(r.kind, c.kind) << c.args.size();
        EXPECT_EQ(r.limitMs, c.limitMs);
    }
    const HelperRequest unlink = ParseHelperArguments({L"unlink", L"C:\\Desk top", L"C:\\P\u00f6\\Umbrix.exe"});
    EXPECT_EQ(unlink.folder, L"C:\\Desk top");
    EXPECT_EQ(unlink.target, L"C:\\P\u00f6\\Umbrix.exe");
    EXPECT_EQ(ParseHelperArguments({L"close", L"10", L"C:\\r.txt"}).report, L"C:\\r.txt");
}

TEST(SetupHelperReport, NamesEachProcessOnceWithItsPathOrId)
{
    EXPECT_EQ(StillRunningReport({}), L"");
    EXPECT_EQ(StillRunningReport({{L"Umbrix", L"C:\\A b\\Umbrix.exe", 12},
                                  {L"Vandric", L"", 40},
                                  {L"Umbrix", L"C:\\A b\\Umbrix.exe", 12},
                                  {L"Vandric", L"D:\\V\\Vandric.exe", 41}}),
              L"Umbrix (C:\\A b\\Umbrix.exe)\r\nVandric (process 40)\r\nVandric (D:\\V\\Vandric.exe)\r\n");
}

TEST(SetupHelperReport, RemainingTimeNeverGoesBelowZero)
{
    EXPECT_EQ(RemainingMs(10000, 0), 10000u);
    EXPECT_EQ(RemainingMs(10000, 9999), 1u);
    EXPECT_EQ(RemainingMs(10000, 10000), 0u);
    EXPECT_EQ(RemainingMs(10000, 4000000000u), 0u);
}
