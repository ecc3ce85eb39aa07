#include "timer/vandric_command_line.h"

#include <vector>

#include "timer/scheduled_action.h"

const wchar_t* const kVandricUsage =
    L"Usage:\n"
    L"  Vandric.exe shutdown MINUTES [brute] [monitoroff]\n"
    L"  Vandric.exe restart MINUTES [brute] [monitoroff]\n"
    L"  Vandric.exe logoff MINUTES [monitoroff]\n"
    L"  Vandric.exe cancel\n"
    L"\n"
    L"MINUTES is a whole number from 1 to 1440. \"brute\" closes running programs without asking; "
    L"\"monitoroff\" switches the monitor off at once. \"cancel\" ends every Vandric that is counting down.";

namespace {

std::vector<std::wstring> SplitWords(const std::wstring& args)
{
    std::vector<std::wstring> words;
    std::wstring word;
    bool inWord = false;
    bool quoted = false;
    for (wchar_t c : args) {
        if (c == L'"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == L' ' || c == L'\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// ASCII digits only, without sign or blanks; the length check keeps a long
// run of digits from overflowing.
int ParseMinutes(const std::wstring& text)
{
    if (text.empty() || text.size() > 4) return 0;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return 0;
        value = value * 10 + (c - L'0');
    }
    return value <= kMaxCommandLineMinutes ? value : 0;
}

}  // namespace

VandricCommand ParseVandricCommandLine(const std::wstring& args)
{
    VandricCommand invalid;
    invalid.kind = VandricCommand::Kind::Invalid;
    const std::vector<std::wstring> words = SplitWords(args);
    if (words.empty()) return {};

    const std::wstring verb = AsciiLower(words[0]);
    if (verb == L"cancel") {
        if (words.size() != 1) return invalid;
        VandricCommand cancel;
        cancel.kind = VandricCommand::Kind::Cancel;
        return cancel;
    }
    const bool logOff = verb == L"logoff";
    if (!logOff && verb != L"shutdown" && verb != L"restart") return invalid;
    if (words.size() < 2) return invalid;

    VandricCommand command;
    command.kind = VandricCommand::Kind::Schedule;
    command.minutes = ParseMinutes(words[1]);
    if (command.minutes == 0) return invalid;
    bool brute = false;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::wstring option = AsciiLower(words[i]);
        if (option == L"brute" && !brute && !logOff)
            brute = true;
        else if (option == L"monitoroff" && !command.monitorOff)
            command.monitorOff = true;
        else
            return invalid;
    }
    if (logOff)
        command.action = L"Log Off";
    else
        command.action = std::wstring(verb == L"restart" ? L"Restart" : L"Shutdown") + (brute ? L"(Brute)" : L"");
    return command;
}
