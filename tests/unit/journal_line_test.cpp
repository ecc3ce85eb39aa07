#include <gtest/gtest.h>

#include "actions/journal_line.h"

TEST(JournalLine, NumbersAndQuotedTextsAfterSingleBlanks)
{
    EXPECT_EQ(CJournalLine(L"ExitWindowsEx").Num(5).Num(0).Str(), L"ExitWindowsEx 5 0");
    EXPECT_EQ(CJournalLine(L"AdjustTokenPrivileges").Text(L"SeShutdownPrivilege").Str(),
              L"AdjustTokenPrivileges \"SeShutdownPrivilege\"");
    EXPECT_EQ(CJournalLine(L"ShellExecuteW")
                  .Text(L"open")
                  .Text(L"C:\\x\\Tarnwick.exe")
                  .Text(L":LaunchedFromUBXCheck")
                  .Str(),
              L"ShellExecuteW \"open\" \"C:\\x\\Tarnwick.exe\" \":LaunchedFromUBXCheck\"");
    EXPECT_EQ(CJournalLine(L"BlockInput").Str(), L"BlockInput");
    EXPECT_EQ(CJournalLine(L"SendMessage").Num(0xF170).Num(-1).Str(), L"SendMessage 61808 -1");
    EXPECT_EQ(CJournalLine(L"F").Num(4294967295LL).Str(), L"F 4294967295");
}

TEST(JournalLine, LineBreaksInTextsStayOnOneLine)
{
    const std::wstring line = CJournalLine(L"MessageBox").Text(L"Line one.\nLine two.\r\n").Text(L"").Str();
    EXPECT_EQ(line, L"MessageBox \"Line one.\\nLine two.\\r\\n\" \"\"");
    EXPECT_EQ(line.find(L'\n'), std::wstring::npos);
}

TEST(ToUtf8, EncodesEachLength)
{
    EXPECT_EQ(ToUtf8(L"Umbrix"), "Umbrix");
    EXPECT_EQ(ToUtf8(L"\u00e9"), "\xc3\xa9");
    EXPECT_EQ(ToUtf8(L"\u20ac"), "\xe2\x82\xac");
    EXPECT_EQ(ToUtf8(L"\U0001F600"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(ToUtf8(L""), "");
}

TEST(ToUtf8, UnpairedSurrogatesBecomeReplacementCharacter)
{
    std::wstring lone;
    lone += static_cast<wchar_t>(0xD800);
    lone += L'a';
    EXPECT_EQ(ToUtf8(lone), "\xef\xbf\xbd" "a");
    std::wstring trailing(1, static_cast<wchar_t>(0xDC00));
    EXPECT_EQ(ToUtf8(trailing), "\xef\xbf\xbd");
}
