#include "actions/system_requests.h"

#include <shellapi.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "actions/journal_line.h"
#include "actions/speech_win.h"

namespace {

ISystemRequests* g_override = nullptr;

std::wstring JournalPathFromEnvironment()
{
    const DWORD size = GetEnvironmentVariableW(L"UMBRIX_JOURNAL", nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"UMBRIX_JOURNAL", value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

// Wraps a module loaded by name for the duration of one request.
class CLibrary {
public:
    explicit CLibrary(const wchar_t* name) : m_module(LoadLibraryW(name)) {}
    ~CLibrary() { if (m_module) FreeLibrary(m_module); }
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;
    FARPROC Find(const char* name) const { return m_module ? GetProcAddress(m_module, name) : nullptr; }

private:
    HMODULE m_module;
};

// Owns a kernel handle.
class CHandle {
public:
    CHandle() = default;
    ~CHandle() { if (m_handle) CloseHandle(m_handle); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    HANDLE* Receive() { return &m_handle; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

}  // namespace

ISystemRequests& System()
{
    if (g_override) return *g_override;
    static CSystemRequests real(JournalPathFromEnvironment());
    return real;
}

void SetSystemForTesting(ISystemRequests* system)
{
    g_override = system;
}

CSystemRequests::CSystemRequests(std::wstring journalPath) : m_journalPath(std::move(journalPath)) {}

void CSystemRequests::Record(const std::wstring& line) const
{
    // One open-append-close per line: requests come from more than one thread
    // (the countdown speaks on a worker), and FILE_APPEND_DATA makes each
    // write land at the end even when two processes journal to one file.
    HANDLE file = CreateFileW(m_journalPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string bytes = ToUtf8(line) + "\n";
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

BOOL CSystemRequests::ExitWindowsEx(UINT flags, DWORD reason)
{
    if (Journaling()) {
        Record(CJournalLine(L"ExitWindowsEx").Num(flags).Num(reason).Str());
        return TRUE;
    }
    return ::ExitWindowsEx(flags, reason);
}

BOOL CSystemRequests::SetSystemPowerState(BOOL suspend, BOOL force)
{
    if (Journaling()) {
        Record(CJournalLine(L"SetSystemPowerState").Num(suspend).Num(force).Str());
        return TRUE;
    }
    // Not declared by every SDK any more; it is still exported by kernel32.
    using Fn = BOOL(WINAPI*)(BOOL, BOOL);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto fn = kernel ? reinterpret_cast<Fn>(GetProcAddress(kernel, "SetSystemPowerState")) : nullptr;
    return fn ? fn(suspend, force) : FALSE;
}

bool CSystemRequests::SetSuspendState(BOOL hibernate, BOOL forceCritical, BOOL disableWakeEvent)
{
    if (Journaling()) {
        Record(CJournalLine(L"SetSuspendState").Num(hibernate).Num(forceCritical).Num(disableWakeEvent).Str());
        return true;
    }
    // Looked up by name: linking would keep the program from starting on a
    // system without Powrprof.dll.
    using Fn = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
    CLibrary powrprof(L"Powrprof.dll");
    auto fn = reinterpret_cast<Fn>(powrprof.Find("SetSuspendState"));
    if (!fn) return false;
    fn(static_cast<BOOLEAN>(hibernate), static_cast<BOOLEAN>(forceCritical), static_cast<BOOLEAN>(disableWakeEvent));
    return true;
}

DWORD CSystemRequests::EnableShutdownPrivilege()
{
    if (Journaling()) {
        Record(CJournalLine(L"AdjustTokenPrivileges").Text(SE_SHUTDOWN_NAME).Str());
        return ERROR_SUCCESS;
    }
    CHandle token;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Receive());
    TOKEN_PRIVILEGES privileges{};
    LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // The individual results are deliberately not tested: the last-error
    // value afterwards also reports a partial grant (ERROR_NOT_ALL_ASSIGNED),
    // which AdjustTokenPrivileges returns as success.
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    return GetLastError();
}

LRESULT CSystemRequests::SendMonitorPower(HWND target, LPARAM state)
{
    if (Journaling()) {
        Record(CJournalLine(L"SendMessageW")
                   .Num(static_cast<long long>(reinterpret_cast<INT_PTR>(target)))
                   .Num(WM_SYSCOMMAND)
                   .Num(SC_MONITORPOWER)
                   .Num(state)
                   .Str());
        return 0;
    }
    return SendMessageW(target, WM_SYSCOMMAND, SC_MONITORPOWER, state);
}

int CSystemRequests::LockWorkStation()
{
    if (Journaling()) {
        Record(CJournalLine(L"LockWorkStation").Str());
        return 1;
    }
    // user32 is always loaded; the export is looked up rather than linked so
    // that its absence is reported instead of stopping the program's start.
    using Fn = BOOL(WINAPI*)();
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto fn = user32 ? reinterpret_cast<Fn>(GetProcAddress(user32, "LockWorkStation")) : nullptr;
    return fn ? fn() : -1;
}

BOOL CSystemRequests::BlockInput(BOOL block)
{
    if (Journaling()) {
        Record(CJournalLine(L"BlockInput").Num(block).Str());
        return TRUE;
    }
    return ::BlockInput(block);
}

INT_PTR CSystemRequests::ShellExecuteFile(const std::wstring& verb, const std::wstring& file,
                                      const std::wstring& parameters, int show)
{
    if (Journaling()) {
        Record(CJournalLine(L"ShellExecuteW").Text(verb).Text(file).Text(parameters).Str());
        return 33;
    }
    // No error UI: a missing companion or page fails silently.
    SHELLEXECUTEINFOW info{sizeof(info)};
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb.empty() ? nullptr : verb.c_str();
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = show;
    ShellExecuteExW(&info);
    return reinterpret_cast<INT_PTR>(info.hInstApp);
}

EXECUTION_STATE CSystemRequests::SetThreadExecutionState(EXECUTION_STATE flags)
{
    if (Journaling()) {
        Record(CJournalLine(L"SetThreadExecutionState").Num(flags).Str());
        return ES_CONTINUOUS;
    }
    return ::SetThreadExecutionState(flags);
}

bool CSystemRequests::StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION& info)
{
    info = PROCESS_INFORMATION{};
    if (Journaling()) {
        // Nothing runs, so there is nothing to end later either.
        Record(CJournalLine(L"CreateProcessW").Text(commandLine).Str());
        return false;
    }
    STARTUPINFOW startup{sizeof(startup)};
    // CreateProcessW may write into the command line.
    std::wstring buffer = commandLine;
    if (::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return true;
    info = PROCESS_INFORMATION{};
    return false;
}

BOOL CSystemRequests::TerminateProcess(HANDLE process, UINT exitCode)
{
    if (Journaling()) {
        Record(CJournalLine(L"TerminateProcess").Num(GetProcessId(process)).Num(exitCode).Str());
        return TRUE;
    }
    return ::TerminateProcess(process, exitCode);
}

bool CSystemRequests::SpeakText(const std::wstring& text)
{
    if (Journaling()) {
        Record(CJournalLine(L"Speak").Text(text).Str());
        return true;
    }
    return SapiSpeakText(text);
}

bool CSystemRequests::TextToWaveFile(const std::wstring& path, const std::wstring& text)
{
    if (Journaling()) {
        Record(CJournalLine(L"SpeakToWaveFile").Text(path).Text(text).Str());
        return true;
    }
    return SapiTextToWaveFile(path, text);
}
