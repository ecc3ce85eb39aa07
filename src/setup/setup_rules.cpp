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

bool PlainFileName(const std::wstring& name)
{
    return !name.empty() && name != L"." && name != L".." &&
           name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}

bool Sha256Text(const std::wstring& text)
{
    return text.size() == 64 &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'); });
}

}  // namespace

HelperRequest ParseHelperArguments(const std::vector<std::wstring>& args)
{
    HelperRequest request;
    if (args.empty()) return request;
    const std::wstring& command = args[0];
    const bool valuesGiven = std::none_of(args.begin(), args.end(), [](const std::wstring& a) { return a.empty(); });
    if (!valuesGiven) return request;
    if (command == L"close" && (args.size() == 4 || args.size() == 5)) {
        unsigned seconds = 0;
        if (!ParseSeconds(args[1], seconds)) return request;
        request.kind = HelperRequest::Kind::Close;
        request.limitMs = seconds * 1000;
        request.report = args[2];
        request.folders.assign(args.begin() + 3, args.end());
    } else if (command == L"unlink" && args.size() == 3) {
        request.kind = HelperRequest::Kind::RemoveShortcuts;
        request.folder = args[1];
        request.target = args[2];
    } else if (command == L"hashes" && args.size() >= 3) {
        if (!std::all_of(args.begin() + 2, args.end(), PlainFileName)) return request;
        request.kind = HelperRequest::Kind::Hashes;
        request.folder = args[1];
        request.names.assign(args.begin() + 2, args.end());
    } else if (command == L"remove" && args.size() == 3) {
        request.kind = HelperRequest::Kind::Remove;
        request.folder = args[1];
        request.list = args[2];
    } else if (command == L"origin" && args.size() == 2) {
        request.kind = HelperRequest::Kind::Origin;
        request.target = args[1];
    } else if (command == L"links" && args.size() == 3) {
        request.kind = HelperRequest::Kind::Links;
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

ImageOwner ClassifyImage(const std::wstring& imagePath, const std::vector<std::wstring>& folders,
                         SamePathFn samePath)
{
    ImageOwner owner;
    const size_t slash = imagePath.find_last_of(L'\\');
    if (slash == std::wstring::npos) return owner;
    const std::wstring name = imagePath.substr(slash + 1);
    for (const wchar_t* program : {L"Umbrix", L"Vandric"})
        if (samePath(name, std::wstring(program) + L".exe")) owner.program = program;
    if (!owner.program) return owner;
    for (size_t i = 0; i < folders.size(); ++i) {
        std::wstring folder = folders[i];
        while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
        if (samePath(imagePath.substr(0, slash), folder)) owner.folder = static_cast<int>(i);
    }
    return owner;
}

std::vector<ListedFile> ParseFileList(const std::wstring& list)
{
    std::vector<ListedFile> files;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(L'|', start);
        if (end == std::wstring::npos) end = list.size();
        const std::wstring entry = list.substr(start, end - start);
        const size_t eq = entry.find(L'=');
        if (eq != std::wstring::npos) {
            ListedFile file{entry.substr(0, eq), entry.substr(eq + 1)};
            if (PlainFileName(file.name) && Sha256Text(file.sha256)) files.push_back(file);
        }
        start = end + 1;
    }
    return files;
}

std::wstring FormatFileList(const std::vector<ListedFile>& files)
{
    std::wstring list;
    for (const ListedFile& f : files) list += (list.empty() ? L"" : L"|") + f.name + L"=" + f.sha256;
    return list;
}

bool IsOurOrigin(const std::wstring& companyName, const std::wstring& productName)
{
    return companyName == L"Corvane" && (productName == L"Umbrix" || productName == L"Vandric");
}
