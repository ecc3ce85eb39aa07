#include "actions/journal_line.h"

#include <type_traits>

CJournalLine::CJournalLine(const std::wstring& function) : m_line(function) {}

CJournalLine& CJournalLine::Num(long long v)
{
    m_line += L' ';
    m_line += std::to_wstring(v);
    return *this;
}

CJournalLine& CJournalLine::Text(const std::wstring& s)
{
    m_line += L" \"";
    for (wchar_t c : s) {
        if (c == L'\n')
            m_line += L"\\n";
        else if (c == L'\r')
            m_line += L"\\r";
        else
            m_line += c;
    }
    m_line += L'"';
    return *this;
}

std::wstring CJournalLine::Str() const
{
    return m_line;
}

namespace {

const char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string ToUtf8(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Through an unsigned type: a 32-bit wchar_t may be signed.
        char32_t cp = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i]));
        if constexpr (sizeof(wchar_t) == 2) {
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
                const char32_t low = static_cast<char16_t>(text[i + 1]);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        AppendUtf8(out, cp);
    }
    return out;
}
