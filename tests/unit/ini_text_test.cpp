#include <string>

#include <gtest/gtest.h>

#include "framework/ini_text.h"

TEST(IniText, ReadsAsTheProfileFunctionsWould)
{
    const CIniText ini(L"; written by hand\r\n[Settings]\r\n  IdleUBXMins = 15 \r\nSysTray=0\n[tip]\nFilePos=\n"
                       L"[Settings]\nSysTray=1\nnot a value\n");
    EXPECT_EQ(ini.Get(L"Settings", L"IdleUBXMins"), L"15");
    EXPECT_EQ(ini.Get(L"settings", L"systray"), L"0");  // the first one counts
    EXPECT_EQ(ini.Get(L"Tip", L"FilePos"), L"");
    EXPECT_EQ(ini.Get(L"Tip", L"StartUp"), std::nullopt);
    EXPECT_EQ(ini.Get(L"Workspace", L"ApplicationLook"), std::nullopt);
    EXPECT_EQ(ini.Get(L"Settings", L"not a value"), std::nullopt);
}

TEST(IniText, ValuesRoundTrip)
{
    const std::wstring values[] = {
        L"",
        L"C:\\new\\tray.ico",
        L"Battery Power Low\nBattery Low",
        L" leading and trailing\t",
        L"\"quoted\"",
        L"a \"b\" \\n c",
        L"Z\u00fcrich \u65e5\u672c = ; [x]",
    };
    for (const std::wstring& value : values) {
        CIniText ini;
        ini.Set(L"Settings", L"TextToSpeechText", value);
        EXPECT_EQ(CIniText(ini.Text()).Get(L"Settings", L"TextToSpeechText"), value) << ini.Text().size();
    }
    CIniText ini;
    ini.Set(L"Settings", L"SystemTrayIconFile", L"C:\\new\\tray.ico");
    EXPECT_EQ(ini.Text(), L"[Settings]\r\nSystemTrayIconFile=C:\\new\\tray.ico\r\n");
}

TEST(IniText, SetKeepsEveryOtherLineInPlace)
{
    CIniText ini(L"; mine\n[Settings]\nSysTray=1\nUnknown=x\n\n[Tip]\nFilePos=3\n");
    ini.Set(L"settings", L"SYSTRAY", L"0");
    ini.Set(L"Settings", L"Key", L"65");
    ini.Set(L"Tip", L"StartUp", L"1");
    ini.Set(L"Workspace", L"ApplicationLook", L"219");
    EXPECT_EQ(ini.Text(), L"; mine\r\n[Settings]\r\nSYSTRAY=0\r\nUnknown=x\r\nKey=65\r\n\r\n[Tip]\r\nFilePos=3\r\n"
                          L"StartUp=1\r\n\r\n[Workspace]\r\nApplicationLook=219\r\n");
}

TEST(ParseIniInt, DecimalThirtyTwoBitOnly)
{
    const struct {
        const wchar_t* text;
        std::optional<int> value;
    } rows[] = {
        {L"0", 0},           {L" -1 ", -1},          {L"+42", 42},       {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},          {L"2147483648", std::nullopt},
        {L"99999999999999999999", std::nullopt},     {L"", std::nullopt}, {L"-", std::nullopt},
        {L"12abc", std::nullopt},                    {L"0x10", std::nullopt}, {L"1 2", std::nullopt},
        {L"\"5\"", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(ParseIniInt(row.text), row.value) << row.text;
}
