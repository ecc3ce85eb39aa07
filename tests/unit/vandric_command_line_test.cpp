#include <gtest/gtest.h>

#include "timer/vandric_command_line.h"

using Kind = VandricCommand::Kind;

TEST(VandricCommandLine, Grammar)
{
    const struct {
        const wchar_t* args;
        Kind kind;
        const wchar_t* action;
        int minutes;
        bool monitorOff;
    } rows[] = {
        {L"", Kind::Interactive, L"", 0, false},
        {L"  \t ", Kind::Interactive, L"", 0, false},
        {L"shutdown 1", Kind::Schedule, L"Shutdown", 1, false},
        {L"SHUTDOWN 1440 Brute", Kind::Schedule, L"Shutdown(Brute)", 1440, false},
        {L"Restart 5 monitoroff brute", Kind::Schedule, L"Restart(Brute)", 5, true},
        {L"restart\t\"30\" MonitorOff", Kind::Schedule, L"Restart", 30, true},
        {L"logoff 0007 monitoroff", Kind::Schedule, L"Log Off", 7, true},
        {L"cancel", Kind::Cancel, L"", 0, false},
        {L"CaNcEl", Kind::Cancel, L"", 0, false},
        {L"cancel now", Kind::Invalid, L"", 0, false},
        {L"logoff 5 brute", Kind::Invalid, L"", 0, false},
        {L"shutdown", Kind::Invalid, L"", 0, false},
        {L"shutdown 0", Kind::Invalid, L"", 0, false},
        {L"shutdown 1441", Kind::Invalid, L"", 0, false},
        {L"shutdown -5", Kind::Invalid, L"", 0, false},
        {L"shutdown 5.5", Kind::Invalid, L"", 0, false},
        {L"shutdown ten", Kind::Invalid, L"", 0, false},
        {L"shutdown 99999999999999999999", Kind::Invalid, L"", 0, false},
        {L"shutdown 5 brute brute", Kind::Invalid, L"", 0, false},
        {L"shutdown 5 monitoroff extra", Kind::Invalid, L"", 0, false},
        {L"\"shutdown 5\"", Kind::Invalid, L"", 0, false},
        {L"log off 5", Kind::Invalid, L"", 0, false},
        {L"hibernate 5", Kind::Invalid, L"", 0, false},
        {L"ШUTDOWN 5", Kind::Invalid, L"", 0, false},
        {L"shutdown \uFF15", Kind::Invalid, L"", 0, false},  // a full-width digit
        {L"restart 5 brüte", Kind::Invalid, L"", 0, false},
    };
    for (const auto& r : rows) {
        const VandricCommand c = ParseVandricCommandLine(r.args);
        EXPECT_EQ(c.kind, r.kind) << r.args;
        EXPECT_EQ(c.action, r.action) << r.args;
        EXPECT_EQ(c.minutes, r.minutes) << r.args;
        EXPECT_EQ(c.monitorOff, r.monitorOff) << r.args;
    }
}

TEST(VandricCommandLine, VeryLongArgumentsAreRefused)
{
    EXPECT_EQ(ParseVandricCommandLine(L"restart " + std::wstring(100000, L'1')).kind, Kind::Invalid);
    EXPECT_EQ(ParseVandricCommandLine(std::wstring(100000, L'\u00E9')).kind, Kind::Invalid);
    EXPECT_EQ(ParseVandricCommandLine(L"restart 5" + std::wstring(100000, L' ')).kind, Kind::Schedule);
}
