#include "framework/ini_text.h"

#include <cwctype>

namespace {
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

std::wstring Trim(const std::wstring& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool SameName(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
    return true;
}

// "[name]" gives the section name; anything else nullopt.
std::optional<std::wstring> SectionOf(const std::wstring& line)
{
    const std::wstring trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != L'[') return std::nullopt;
    const std::size_t close = trimmed.find(L']');
    return Trim(trimmed.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
}

// Splits "name=value"; false for comments and lines without "=".
bool SplitEntry(const std::wstring& line, std::wstring& name, std::wstring& value)
{
    const std::wstring trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == L';' || trimmed[0] == L'[') return false;
    const std::size_t equals = trimmed.find(L'=');
    if (equals == std::wstring::npos) return false;
    name = Trim(trimmed.substr(0, equals));
    value = Trim(trimmed.substr(equals + 1));
    return true;
}

std::wstring Unquote(const std::wstring& raw)
{
    if (raw.size() < 2 || raw.front() != L'"' || raw.back() != L'"') return raw;
    std::wstring value;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
        wchar_t c = raw[i];
        if (c == L'\\' && i + 2 < raw.size()) {
            switch (raw[i + 1]) {
            case L'\\': c = L'\\'; break;
            case L'"': c = L'"'; break;
            case L'n': c = L'\n'; break;
            case L'r': c = L'\r'; break;
            case L't': c = L'\t'; break;
            default: value += c; continue;
            }
            ++i;
        }
        value += c;
    }
    return value;
}

// Values stay as typed unless reading them back would change them: line
// breaks, blanks at either end and a leading quote need the quoted form.
// Paths keep their single backslashes.
std::wstring Quote(const std::wstring& value)
{
    const bool plain = value.find_first_of(L"\r\n") == std::wstring::npos &&
                       (value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back()) && value.front() != L'"'));
    if (plain) return value;
    std::wstring quoted = L"\"";
    for (wchar_t c : value) {
        switch (c) {
        case L'\\': quoted += L"\\\\"; break;
        case L'"': quoted += L"\\\""; break;
        case L'\n': quoted += L"\\n"; break;
        case L'\r': quoted += L"\\r"; break;
        case L'\t': quoted += L"\\t"; break;
        default: quoted += c;
        }
    }
    return quoted + L"\"";
}
}  // namespace

CIniText::CIniText(const std::wstring& text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

CIniText::Place CIniText::Find(const std::wstring& section, const std::wstring& name) const
{
    Place place{kNone, kNone};
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (const auto header = SectionOf(m_lines[i])) {
            inSection = SameName(*header, section);
            inFirstSection = inSection && place.insertAfter == kNone;
            if (inFirstSection) place.insertAfter = i;
            continue;
        }
        if (!inSection) continue;
        std::wstring key, value;
        if (SplitEntry(m_lines[i], key, value) && SameName(key, name)) {
            place.entry = i;
            return place;
        }
        // New names go after the last line of the first such section that
        // is not blank, so a blank line before the next section stays.
        if (inFirstSection && !Trim(m_lines[i]).empty()) place.insertAfter = i;
    }
    return place;
}

std::optional<std::wstring> CIniText::Get(const std::wstring& section, const std::wstring& name) const
{
    const Place place = Find(section, name);
    if (place.entry == kNone) return std::nullopt;
    std::wstring key, raw;
    SplitEntry(m_lines[place.entry], key, raw);
    return Unquote(raw);
}

void CIniText::Set(const std::wstring& section, const std::wstring& name, const std::wstring& value)
{
    const std::wstring line = name + L"=" + Quote(value);
    const Place place = Find(section, name);
    if (place.entry != kNone) {
        m_lines[place.entry] = line;
    } else if (place.insertAfter != kNone) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(place.insertAfter + 1), line);
    } else {
        if (!m_lines.empty() && !Trim(m_lines.back()).empty()) m_lines.emplace_back();
        m_lines.push_back(L"[" + section + L"]");
        m_lines.push_back(line);
    }
}

std::wstring CIniText::Text() const
{
    std::wstring text;
    for (const std::wstring& line : m_lines) text += line + L"\r\n";
    return text;
}

std::optional<int> ParseIniInt(const std::wstring& text)
{
    const std::wstring number = Trim(text);
    std::size_t i = 0;
    const bool negative = !number.empty() && number[0] == L'-';
    if (!number.empty() && (number[0] == L'-' || number[0] == L'+')) ++i;
    if (i == number.size()) return std::nullopt;
    long long value = 0;
    for (; i < number.size(); ++i) {
        if (number[i] < L'0' || number[i] > L'9') return std::nullopt;
        value = value * 10 + (number[i] - L'0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}
