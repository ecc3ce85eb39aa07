// The argument text of a start, whatever was typed or passed by a shortcut.
#include <climits>

#include "app/command_line.h"
#include "fuzz_support.h"

namespace {

bool IsTrimmedBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::wstring modulePath = ConsumeWide(data, 16);
    const std::wstring commandLine = ConsumeWide(data, 256);

    // What follows the program name is a tail of the command line.
    const std::wstring arguments = ArgumentsAfterProgramName(commandLine);
    FUZZ_CHECK(arguments.size() <= commandLine.size());
    FUZZ_CHECK(commandLine.compare(commandLine.size() - arguments.size(), arguments.size(), arguments) == 0);

    // The argument text holds no quote and no blank at either end.
    const std::wstring text = ExtractArgumentText(commandLine, modulePath);
    FUZZ_CHECK(text == CleanArgumentText(arguments, modulePath));
    FUZZ_CHECK(text.find(L'"') == std::wstring::npos);
    FUZZ_CHECK(text.empty() || (!IsTrimmedBlank(text.front()) && !IsTrimmedBlank(text.back())));

    const SingleInstanceDecision handOver = DecideSingleInstance(arguments, text);
    if (handOver.request == HandOver::RunAction)
        FUZZ_CHECK(handOver.startAction == ParseDecimal(text));
    else
        FUZZ_CHECK(handOver.startAction == -1);
    const StartCommand start = DecideStartCommand(arguments, ParseDecimal(text));
    FUZZ_CHECK(start == StartCommand::Nothing || start == StartCommand::ShowSettings ||
               start == StartCommand::RunAction || start == StartCommand::MonitorOff);

    // Every int reads back from its decimal text, with blanks and a tail.
    const int number = data.ConsumeIntegral<int>();
    FUZZ_CHECK(ParseDecimal(std::to_wstring(number)) == number);
    FUZZ_CHECK(ParseDecimal(L" \t" + std::to_wstring(number) + text) == number ||
               (!text.empty() && text.front() >= L'0' && text.front() <= L'9'));
    // A run of digits too long for an int saturates, never wraps.
    const long long parsed = ParseDecimal(L"-" + std::wstring(20, L'9') + text);
    FUZZ_CHECK(parsed == INT_MIN);
    return 0;
}
