#include "timer/vandric_requests.h"

#include <shellapi.h>

#include "actions/journal_line.h"
#include "framework/win_text.h"

namespace {

IVandricRequests* g_override = nullptr;

std::wstring JournalPathFromEnvironment()
{
    const DWORD size = GetEnvironmentVariableW(L"VANDRIC_JOURNAL", nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"VANDRIC_JOURNAL", value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::wstring MonitorPowerLine(const wchar_t* function, HWND target, LPARAM state)
{
    CJournalLine line(function);
    line.Num(static_cast<long long>(reinterpret_cast<INT_PTR>(target))).Num(WM_SYSCOMMAND).Num(SC_MONITORPOWER);
    line.Num(state);
    return line.Str();
}

}  // namespace

IVandricRequests& VandricSystem()
{
    if (g_override) return *g_override;
    static CVandricRequests real(JournalPathFromEnvironment());
    return real;
}

void SetVandricSystemForTesting(IVandricRequests* system)
{
    g_override = system;
}

CVandricRequests::CVandricRequests(std::wstring journalPath) : m_journalPath(std::move(journalPath)) {}

void CVandricRequests::Record(const std::wstring& line) const
{
    // Two copies of a program, or two of its threads, may journal at once.
    AppendToFile(m_journalPath, ToUtf8(line) + "\n");
}

void CVandricRequests::EnableShutdownPrivilege()
{
    if (Journaling()) {
        Record(CJournalLine(L"AdjustTokenPrivileges").Text(SE_SHUTDOWN_NAME).Str());
        return;
    }
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

BOOL CVandricRequests::ExitWindowsEx(UINT flags, DWORD reason)
{
    if (Journaling()) {
        Record(CJournalLine(L"ExitWindowsEx").Num(flags).Num(reason).Str());
        return TRUE;
    }
    return ::ExitWindowsEx(flags, reason);
}

LRESULT CVandricRequests::SendMonitorPower(HWND target, LPARAM state)
{
    if (Journaling()) {
        Record(MonitorPowerLine(L"SendMessageW", target, state));
        return 0;
    }
    return SendMessageW(target, WM_SYSCOMMAND, SC_MONITORPOWER, state);
}

void CVandricRequests::BroadcastMonitorPower(LPARAM state, UINT timeoutMs)
{
    const UINT flags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
    if (Journaling()) {
        Record(CJournalLine(MonitorPowerLine(L"SendMessageTimeoutW", HWND_BROADCAST, state))
                   .Num(flags)
                   .Num(timeoutMs)
                   .Str());
        return;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, state, flags, timeoutMs, &result);
}

void CVandricRequests::OpenLink(const std::wstring& address)
{
    if (Journaling()) {
        Record(CJournalLine(L"ShellExecuteW").Text(L"Open").Text(address).Str());
        return;
    }
    ShellExecuteW(nullptr, L"Open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

EXECUTION_STATE CVandricRequests::SetExecutionState(EXECUTION_STATE state)
{
    if (Journaling()) {
        Record(CJournalLine(L"SetThreadExecutionState").Num(state).Str());
        return ES_CONTINUOUS;
    }
    return SetThreadExecutionState(state);
}
