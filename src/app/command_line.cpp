#include "app/command_line.h"

#include <climits>

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

bool Contains(const std::wstring& text, const wchar_t* what)
{
    return text.find(what) != std::wstring::npos;
}

// Only the ASCII letters matter for the switches, and folding nothing else keeps
// the result independent of the C runtime's locale.
std::wstring AsciiLower(std::wstring text)
{
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

}  // namespace

int ParseDecimal(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }

    // Accumulate as a magnitude in a wider type and stop growing once past the
    // int range, so that any run of digits saturates instead of overflowing.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > limit)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::wstring ArgumentsAfterProgramName(const std::wstring& commandLine)
{
    std::size_t i = 0;
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t'))
        ++i;
    if (i < commandLine.size() && commandLine[i] == L'"') {
        const std::size_t close = commandLine.find(L'"', i + 1);
        i = close == std::wstring::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t')
            ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t'))
        ++i;
    return commandLine.substr(i);
}

std::wstring ExtractArgumentText(const std::wstring& fullCommandLine, const std::wstring& modulePath)
{
    // Only the arguments count: how the program itself was named (a relative
    // path, a short name, another letter case) must not change the request.
    return CleanArgumentText(ArgumentsAfterProgramName(fullCommandLine), modulePath);
}

std::wstring CleanArgumentText(const std::wstring& arguments, const std::wstring& modulePath)
{
    // Where the module path appears among the arguments it is still removed.
    std::wstring rest;
    rest.reserve(arguments.size());
    for (std::size_t i = 0; i < arguments.size();) {
        if (!modulePath.empty() && arguments.compare(i, modulePath.size(), modulePath) == 0) {
            i += modulePath.size();
            continue;
        }
        if (arguments[i] != L'"')
            rest += arguments[i];
        ++i;
    }

    const wchar_t* const blanks = L" \t\r\n\v\f";
    const std::size_t first = rest.find_first_not_of(blanks);
    if (first == std::wstring::npos)
        return std::wstring();
    const std::size_t last = rest.find_last_not_of(blanks);
    return rest.substr(first, last - first + 1);
}

SingleInstanceDecision DecideSingleInstance(const std::wstring& typedArgs, const std::wstring& argumentText)
{
    SingleInstanceDecision decision;
    if (Contains(typedArgs, L":settings")) {
        decision.request = HandOver::ShowSettings;
    } else if (Contains(typedArgs, L":silent")) {
        decision.request = HandOver::Nothing;
    } else if (!argumentText.empty()) {
        // Anything that is not a number, a typo such as ":setting" included,
        // becomes 0 here and later shows the settings window.
        decision.request = HandOver::RunAction;
        decision.startAction = ParseDecimal(argumentText);
    } else {
        decision.request = HandOver::MonitorOff;
    }
    return decision;
}

StartCommand DecideStartCommand(const std::wstring& typedArgs, int startAction)
{
    const std::wstring lower = AsciiLower(typedArgs);
    if (Contains(lower, L":silent"))
        return StartCommand::Nothing;
    if (Contains(lower, L":settings"))
        return StartCommand::ShowSettings;
    if (startAction >= 0)
        return StartCommand::RunAction;
    return StartCommand::MonitorOff;
}

StartWaitStep DecideStartWait(const StartWaitState& state, unsigned long limitMs)
{
    if (state.frameFound) return StartWaitStep::HandOver;
    if (!state.otherStartHolds) return StartWaitStep::BecomeInstance;
    // The other start waits for the user, who started this one to get on:
    // showing the window answers better than a request queued behind it.
    if (state.helpVideosOpen) return StartWaitStep::FrontHelpVideos;
    // A request run minutes after the user gave up would surprise more than
    // one that is dropped with a message.
    if (state.elapsedMs >= limitMs) return StartWaitStep::GiveUp;
    return StartWaitStep::KeepWaiting;
}

unsigned long StartWaitLimitMs(const std::wstring& overrideText)
{
    if (overrideText.empty() || overrideText.size() > 5) return kStartWaitLimitMs;
    unsigned long value = 0;
    for (const wchar_t c : overrideText) {
        if (c < L'0' || c > L'9') return kStartWaitLimitMs;
        value = value * 10 + static_cast<unsigned long>(c - L'0');
    }
    return value <= kStartWaitLimitMs ? value : kStartWaitLimitMs;
}
