#include "dialogs/tip_of_day.h"

#include <climits>

namespace {

std::string WithoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

// The leading decimal number of `text`, as far as digits go; 0 without any.
int LeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;  // saturates below
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Cuts `text` at its first tab: true and the two sides when there is one.
bool SplitAtTab(const std::string& text, std::string& before, std::string& after)
{
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) return false;
    before = text.substr(0, tab);
    after = text.substr(tab + 1);
    return true;
}

std::wstring Widen(const std::string& text)
{
    std::wstring wide;
    for (const char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

}  // namespace

TipFields ParseTipLine(const std::string& line)
{
    TipFields fields;
    std::string rest;
    if (!SplitAtTab(WithoutLineEnd(line), fields.tip, rest)) {
        fields.tip = WithoutLineEnd(line);
        return fields;
    }
    std::string header, remainder;
    if (!SplitAtTab(rest, header, remainder)) {
        // A trailing tab is no reason to lose the usual header.
        if (!rest.empty()) fields.header = rest;
        return fields;
    }
    if (!header.empty()) fields.header = header;
    std::string number;
    if (SplitAtTab(remainder, fields.footer, number))
        fields.helpNumber = LeadingNumber(number);
    else
        fields.footer = remainder;
    return fields;
}

bool IsTipLine(const std::string& line)
{
    if (line.empty()) return false;
    const char first = line.front();
    return first != '\t' && first != ' ' && first != ';' && first != '\n' && first != '\r';
}

std::string CalendarText(std::time_t time)
{
    // ctime gives null for times its calendar cannot hold (before 1970 or
    // far in the future on some runtimes).
    const char* text = std::ctime(&time);
    if (!text) return std::string();
    std::string result(text);
    while (!result.empty() && (result.back() == ' ' || result.back() == '\n' || result.back() == '\r' ||
                               result.back() == '\t'))
        result.pop_back();
    return result;
}

TipReadResult ReadNextTipLine(std::FILE* stream)
{
    char buffer[kTipLineBuffer];
    bool wentBack = false;
    for (;;) {
        if (std::fgets(buffer, kTipLineBuffer, stream)) {
            // A NUL byte ends the line early; the rest of it is skipped
            // like any line that is no tip.
            std::string line(buffer);
            if (IsTipLine(line)) return {TipRead::Found, line};
            continue;
        }
        // The second end of file (or read failure) after going back means
        // the whole file has been read without finding a tip.
        if (wentBack) return {TipRead::NoTip, std::string()};
        std::clearerr(stream);
        if (std::fseek(stream, 0, SEEK_SET) != 0) return {TipRead::Trouble, std::string()};
        wentBack = true;
    }
}

CTipSession::CTipSession(ISettingsStore& profile, std::FILE* stream, const std::string& timeStamp)
    : m_profile(profile), m_stream(stream)
{
    m_startUp = m_profile.ReadInt(kTipSection, L"StartUp", 1) == 0;
    long position = m_profile.ReadInt(kTipSection, L"FilePos", 0);
    if (!m_stream) {
        m_header = kTipsFileMissingHeader;
        m_tip = kTipsFileMissingText;
        return;
    }
    // An edited file starts again at its first line.
    const std::wstring stamp = Widen(timeStamp);
    if (stamp != m_profile.ReadString(kTipSection, L"TimeStamp", L"")) {
        m_profile.WriteString(kTipSection, L"TimeStamp", stamp);
        position = 0;
    }
    if (std::fseek(m_stream, position, SEEK_SET) != 0) {
        m_trouble = true;
        m_header = kTipsFileMissingHeader;
        m_tip = kTipsFileTrouble;
        return;
    }
    NextTip();
}

CTipSession::~CTipSession()
{
    if (!m_stream) return;
    const long position = std::ftell(m_stream);
    m_profile.WriteInt(kTipSection, L"FilePos", position >= 0 && position <= INT_MAX ? static_cast<int>(position) : 0);
    std::fclose(m_stream);
}

void CTipSession::NextTip()
{
    if (!m_stream) return;
    const TipReadResult read = ReadNextTipLine(m_stream);
    switch (read.status) {
    case TipRead::Found: {
        const TipFields fields = ParseTipLine(read.line);
        m_tip = fields.tip;
        m_header = fields.header;
        m_footer = fields.footer;
        m_helpNumber = fields.helpNumber;
        return;
    }
    case TipRead::NoTip:
        m_noTip = true;
        m_header = kTipsFileMissingHeader;
        m_tip = kTipsFileEmptyText;
        break;
    case TipRead::Trouble:
        m_trouble = true;
        m_header = kTipsFileMissingHeader;
        m_tip = kTipsFileTrouble;
        break;
    }
    m_footer.clear();
    m_helpNumber = 0;
}

void CTipSession::StoreStartUp(bool showAtStartUp)
{
    m_profile.WriteInt(kTipSection, L"StartUp", showAtStartUp ? 0 : 1);
}
