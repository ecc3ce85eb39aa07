#include "timer/scheduled_action.h"

std::wstring AsciiLower(const std::wstring& text)
{
    std::wstring lower = text;
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return lower;
}

std::vector<unsigned> ExitRequestsForAction(const std::wstring& action)
{
    const std::wstring lower = AsciiLower(action);
    const unsigned force = lower.find(L"brute") != std::wstring::npos ? kExitForce : 0;
    struct Keyword {
        const wchar_t* text;
        unsigned operation;
    };
    static const Keyword kKeywords[] = {
        {L"restart", kExitReboot}, {L"shutdown", kExitShutdown}, {L"log off", kExitLogOff}};
    std::vector<unsigned> requests;
    for (const Keyword& keyword : kKeywords)
        if (lower.find(keyword.text) != std::wstring::npos) requests.push_back(keyword.operation | force);
    return requests;
}

std::optional<int> DurationListIndex(int storedMinutes)
{
    if (storedMinutes < kMinMinutes || storedMinutes > kMaxMinutes) return std::nullopt;
    return storedMinutes - 1;
}

std::optional<int> ActionListIndex(const std::wstring& storedAction)
{
    const std::wstring prefix = AsciiLower(storedAction);
    for (size_t i = 0; i < kActionItems.size(); ++i)
        if (AsciiLower(kActionItems[i]).rfind(prefix, 0) == 0) return static_cast<int>(i);
    return std::nullopt;
}
