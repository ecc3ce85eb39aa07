#pragma once
// One line of the simulation journal: a system request written as text instead
// of being made, so tests can see what would have happened. Portable.
#include <string>

// Builds `Function arg arg ...`: the function name, then each argument after a
// single blank; numbers in decimal, texts in double quotes exactly as they are
// except that a line feed is written as the two characters \n (a carriage
// return as \r), so one request is always one line.
//   CJournalLine(L"ExitWindowsEx").Num(5).Num(0).Str() == L"ExitWindowsEx 5 0"
class CJournalLine {
public:
    explicit CJournalLine(const std::wstring& function);
    CJournalLine& Num(long long v);
    CJournalLine& Text(const std::wstring& s);
    std::wstring Str() const;

private:
    std::wstring m_line;
};

// UTF-8 form of a wide string: UTF-16 where wchar_t has 16 bits (Windows),
// UTF-32 where it has 32. Unpaired surrogates and values beyond U+10FFFF
// become U+FFFD.
std::string ToUtf8(const std::wstring& text);
