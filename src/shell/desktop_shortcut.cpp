#include "shell/desktop_shortcut.h"

#include <cstdio>
#include <cwctype>

#include "actions/action_catalog.h"
#include "actions/program_path.h"

std::vector<std::wstring> ShortcutActionList(int versionClass)
{
    const int last = versionClass == kVersionClassVista ? kActionCount : 16;
    std::vector<std::wstring> entries;
    for (int number = 1; number <= last; ++number)
        entries.push_back(std::to_wstring(number) + L"\t" + FindAction(number)->name);
    return entries;
}

std::optional<ShortcutEntry> SplitActionEntry(const std::wstring& text)
{
    std::size_t pos = 0;
    const auto skipSpace = [&] {
        while (pos < text.size() && std::iswspace(text[pos])) ++pos;
    };
    skipSpace();
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) negative = text[pos++] == L'-';
    const std::size_t digits = pos;
    long long value = 0;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
        value = value * 10 + (text[pos++] - L'0');
        if (value > 2147483647LL) return std::nullopt;  // no action number is that long
    }
    if (pos == digits) return std::nullopt;
    skipSpace();
    const std::size_t end = text.find(L'\n', pos);
    ShortcutEntry entry;
    entry.number = static_cast<int>(negative ? -value : value);
    entry.name = text.substr(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
    if (entry.name.empty()) return std::nullopt;
    return entry;
}

std::wstring QuoteArgument(const std::wstring& text)
{
    // Backslashes are literal except in front of a quote, where each one
    // needs a partner; the closing quote counts as such a quote.
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::optional<ShortcutPlan> PlanDesktopShortcut(const ShortcutChoice& choice, const std::wstring& programFolder,
                                                const std::wstring& desktopDir, int versionClass)
{
    const std::optional<ShortcutEntry> entry = SplitActionEntry(choice.entryText);
    if (!entry) return std::nullopt;

    ShortcutPlan plan;
    plan.target = ProgramFilePath(programFolder, L"Umbrix.exe");
    const std::wstring linkName =
        entry->name + (choice.confirm != 0 ? L" (With Confirmation)" : L" (Without Confirmation)");
    plan.linkPath = desktopDir + L"\\" + linkName + L".lnk";
    plan.argument = entry->number + (choice.confirm == 1 ? kConfirmOffset : 0);
    plan.description = choice.confirm != 0 ? L"Action With Confirmation" : L"Action Without Confirmation";

    if (versionClass == kVersionClassVista && choice.rightClick != 0) {
        // The helper runs elevated, so the program path is quoted: a folder
        // with blanks must not name some other program.
        const std::wstring command = QuoteArgument(plan.target) + L" " + std::to_wstring(plan.argument);
        plan.startHelper = true;
        plan.helperPath = ProgramFilePath(programFolder, L"UmbrixHelper.exe");
        plan.helperParameters = QuoteArgument(entry->name) + L" " + QuoteArgument(command);
    }

    if (desktopDir.empty())
        plan.problem = ShortcutPlan::Problem::NoDesktop;
    else if (plan.linkPath.size() > kMaxShortcutPath || plan.target.size() > kMaxShortcutPath)
        plan.problem = ShortcutPlan::Problem::PathTooLong;
    return plan;
}

std::wstring ShortcutFailureMessage(unsigned code, const std::wstring& systemText)
{
    std::wstring detail = systemText;
    while (!detail.empty() && std::iswspace(detail.back())) detail.pop_back();
    if (detail.empty()) {
        wchar_t hex[16];
        std::swprintf(hex, 16, L"0x%08X", code);
        detail = hex;
    }
    return L"Could not create Shortcut on Desktop\n" + detail;
}
