#include "setup/setup_rules.h"

#include <algorithm>
#include <cwctype>

namespace {

bool ParseSeconds(const std::wstring& text, unsigned& seconds)
{
    if (text.empty() || text.size() > 3) return false;
    unsigned value = 0;
    for (wchar_t c : text) {
        if (!std::iswdigit(c)) return false;
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    if (value < 1 || value > 600) return false;
    seconds = value;
    return true;
}

}  // namespace

HelperRequest ParseHelperArguments(const std::vector<std::wstring>& args)
{
    HelperRequest request;
    if (args.size() != 3) return request;
    if (args[0] == L"close") {
        unsigned seconds = 0;
        if (!ParseSeconds(args[1], seconds) || args[2].empty()) return request;
        request.kind = HelperRequest::Kind::Close;
        request.limitMs = seconds * 1000;
        request.report = args[2];
    } else if (args[0] == L"unlink") {
        if (args[1].empty() || args[2].empty()) return request;
        request.kind = HelperRequest::Kind::RemoveShortcuts;
        request.folder = args[1];
        request.target = args[2];
    }
    return request;
}

std::wstring StillRunningReport(const std::vector<StillRunning>& programs)
{
    std::wstring report;
    std::vector<unsigned long> named;
    for (const StillRunning& p : programs) {
        if (std::find(named.begin(), named.end(), p.processId) != named.end()) continue;
        named.push_back(p.processId);
        report += p.program;
        report += p.path.empty() ? L" (process " + std::to_wstring(p.processId) + L")" : L" (" + p.path + L")";
        report += L"\r\n";
    }
    return report;
}

unsigned RemainingMs(unsigned limitMs, unsigned elapsedMs)
{
    return elapsedMs >= limitMs ? 0 : limitMs - elapsedMs;
}
