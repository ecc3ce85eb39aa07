#include "actions/system_requests.h"

#include <shellapi.h>
#include <mmsystem.h>
#include <ras.h>
#include <raserror.h>
#include <wininet.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>

#include "actions/journal_line.h"
#include "actions/dial_up.h"
#include "actions/speech_win.h"
#include "actions/volume_changer_win.h"
#include "framework/system_library.h"
#include "framework/win_text.h"

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

DWORD UserPauseMs(DWORD ms)
{
    static const long shortened = [] {
        wchar_t text[16] = {};
        const DWORD length = GetEnvironmentVariableW(L"UMBRIX_JOURNAL_PAUSE_MS", text, 16);
        if (JournalPathFromEnvironment().empty() || length == 0 || length >= 16) return -1L;
        wchar_t* end = nullptr;
        const long value = std::wcstol(text, &end, 10);
        return *end == L'\0' && value >= 0 ? value : -1L;
    }();
    return shortened < 0 ? ms : static_cast<DWORD>(shortened);
}

CSystemRequests::CSystemRequests(std::wstring journalPath) : m_journalPath(std::move(journalPath)) {}

void CSystemRequests::Record(const std::wstring& line) const
{
    // Two copies of a program, or two of its threads, may journal at once.
    AppendToFile(m_journalPath, ToUtf8(line) + "\n");
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
    CSystemLibrary powrprof(L"Powrprof.dll");
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

BOOL CSystemRequests::PostCloseWindow(HWND window)
{
    if (Journaling()) {
        Record(CJournalLine(L"PostMessageW")
                   .Num(static_cast<long long>(reinterpret_cast<INT_PTR>(window)))
                   .Num(WM_CLOSE)
                   .Num(0)
                   .Num(0)
                   .Str());
        return TRUE;
    }
    return PostMessageW(window, WM_CLOSE, 0, 0);
}

DWORD CSystemRequests::SendMediaCommand(const std::wstring& command)
{
    if (Journaling()) {
        Record(CJournalLine(L"mciSendStringW").Text(command).Str());
        return 0;
    }
    return mciSendStringW(command.c_str(), nullptr, 0, nullptr);
}

namespace {

// One request of the flags option on the default connection. The list's size
// is that of the record this build uses: 64-bit programs have a larger one
// than 32-bit programs, and the system refuses any other.
bool PerConnectionFlags(bool set, DWORD& flags)
{
    INTERNET_PER_CONN_OPTIONW option{};
    option.dwOption = INTERNET_PER_CONN_FLAGS;
    option.Value.dwValue = flags;
    INTERNET_PER_CONN_OPTION_LISTW list{};
    list.dwSize = sizeof(list);
    list.pszConnection = nullptr;
    list.dwOptionCount = 1;
    list.dwOptionError = 0;
    list.pOptions = &option;
    DWORD size = sizeof(list);
    if (set) return InternetSetOptionW(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, size) != FALSE;
    if (!InternetQueryOptionW(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size)) return false;
    flags = option.Value.dwValue;
    return true;
}

}  // namespace

bool CSystemRequests::QueryProxyFlags(DWORD& flags)
{
    if (Journaling() && m_proxyWritten) {
        flags = m_proxyFlags;
        return true;
    }
    return PerConnectionFlags(false, flags);
}

bool CSystemRequests::SetProxyFlags(DWORD flags)
{
    if (Journaling()) {
        Record(CJournalLine(L"InternetSetOptionW").Num(INTERNET_OPTION_PER_CONNECTION_OPTION).Num(flags).Str());
        m_proxyWritten = true;
        m_proxyFlags = flags;
        return true;
    }
    return PerConnectionFlags(true, flags);
}

BOOL CSystemRequests::AnnounceInternetSettingsChanged()
{
    if (Journaling()) {
        Record(CJournalLine(L"InternetSetOptionW").Num(INTERNET_OPTION_SETTINGS_CHANGED).Str());
        return TRUE;
    }
    return InternetSetOptionW(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
}

BOOL CSystemRequests::RefreshInternetSettings()
{
    if (Journaling()) {
        Record(CJournalLine(L"InternetSetOptionW").Num(INTERNET_OPTION_REFRESH).Str());
        return TRUE;
    }
    return InternetSetOptionW(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

namespace {

// Rounds up to the alignment of the records in an array.
constexpr DWORD AlignedRecord(size_t bytes, size_t alignment)
{
    return static_cast<DWORD>((bytes + alignment - 1) / alignment * alignment);
}

// The records as older systems know them: the connection record up to the
// entry's identifier (Windows 2000), the status record up to the phone number
// (before Windows 7). Where the SDK's records are no larger, there is no
// older size to fall back to.
constexpr DWORD kOlderRasConnSize = AlignedRecord(offsetof(RASCONNW, dwFlags), alignof(RASCONNW));
constexpr DWORD kOlderRasStatusSize =
    AlignedRecord(offsetof(RASCONNSTATUSW, szPhoneNumber) + (RAS_MaxPhoneNumber + 1) * sizeof(WCHAR),
                  alignof(RASCONNSTATUSW));

// Process-heap memory whose every record carries the record size.
class CRasConnBuffer {
public:
    CRasConnBuffer(DWORD bytes, DWORD recordSize)
        : m_bytes(bytes), m_data(static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes)))
    {
        if (!m_data || recordSize == 0) return;
        for (DWORD offset = 0; offset + recordSize <= bytes; offset += recordSize)
            reinterpret_cast<RASCONNW*>(m_data + offset)->dwSize = recordSize;
    }
    ~CRasConnBuffer()
    {
        if (m_data) HeapFree(GetProcessHeap(), 0, m_data);
    }
    CRasConnBuffer(const CRasConnBuffer&) = delete;
    CRasConnBuffer& operator=(const CRasConnBuffer&) = delete;

    RASCONNW* First() const { return reinterpret_cast<RASCONNW*>(m_data); }
    DWORD Bytes() const { return m_bytes; }

private:
    DWORD m_bytes;
    BYTE* m_data;
};

DWORD ConnectStatus(HRASCONN connection)
{
    RASCONNSTATUSW status{};
    status.dwSize = sizeof(status);
    DWORD result = RasGetConnectStatusW(connection, &status);
    if (result == ERROR_INVALID_SIZE && kOlderRasStatusSize < sizeof(status)) {
        RASCONNSTATUSW older{};
        older.dwSize = kOlderRasStatusSize;
        result = RasGetConnectStatusW(connection, &older);
    }
    return result;
}

}  // namespace

HANDLE CSystemRequests::FirstDialUpConnection()
{
    RasListAttempt attempt;
    attempt.bufferBytes = sizeof(RASCONNW);
    attempt.recordSize = sizeof(RASCONNW);
    for (;;) {
        CRasConnBuffer buffer(attempt.bufferBytes, attempt.recordSize);
        if (!buffer.First()) return nullptr;
        DWORD bytes = buffer.Bytes();
        DWORD count = 0;
        const DWORD result = RasEnumConnectionsW(buffer.First(), &bytes, &count);
        if (result == ERROR_SUCCESS) return count > 0 ? static_cast<HANDLE>(buffer.First()->hrasconn) : nullptr;
        if (!NextRasListAttempt(attempt, result, bytes, kOlderRasConnSize)) return nullptr;
    }
}

bool CSystemRequests::DialUpConnectionKnown(HANDLE connection)
{
    if (Journaling() && connection == m_hungUp) return false;
    return ConnectStatus(static_cast<HRASCONN>(connection)) != ERROR_INVALID_HANDLE;
}

DWORD CSystemRequests::HangUpDialUp(HANDLE connection)
{
    if (Journaling()) {
        Record(CJournalLine(L"RasHangUpW").Num(static_cast<long long>(reinterpret_cast<INT_PTR>(connection))).Str());
        m_hungUp = connection;
        return ERROR_SUCCESS;
    }
    return RasHangUpW(static_cast<HRASCONN>(connection));
}

bool CSystemRequests::SetDesktopScheme(const std::wstring& scheme)
{
    if (Journaling()) {
        Record(CJournalLine(L"DeskSetCurrentScheme").Text(scheme).Str());
        return true;
    }
    // The wide export where the system has it; the plain name otherwise,
    // which takes the scheme in the ANSI code page.
    CSystemLibrary desk(L"DESK.CPL");
    using WideFn = BOOL(WINAPI*)(LPCWSTR);
    using AnsiFn = BOOL(WINAPI*)(LPCSTR);
    if (auto wide = reinterpret_cast<WideFn>(desk.Find("DeskSetCurrentSchemeW"))) {
        wide(scheme.c_str());
        return true;
    }
    if (auto ansi = reinterpret_cast<AnsiFn>(desk.Find("DeskSetCurrentScheme"))) {
        ansi(WideToAnsi(scheme).c_str());
        return true;
    }
    return false;
}

HRESULT CSystemRequests::GetMasterMute(bool& muted)
{
    return CVolumeChangerVista().GetMuteState(muted);
}

HRESULT CSystemRequests::SetMasterMute(bool mute)
{
    if (Journaling()) Record(CJournalLine(L"SetMute").Num(mute ? 1 : 0).Str());
    return CVolumeChangerVista().SetMuteState(mute);
}

HRESULT CSystemRequests::StepMasterVolume(bool up)
{
    if (Journaling()) Record(CJournalLine(up ? L"VolumeStepUp" : L"VolumeStepDown").Str());
    CVolumeChangerVista volume;
    return up ? volume.StepVolumeUp() : volume.StepVolumeDown();
}

namespace {
// What CreateWakeUpTimer hands out while journalling: never given to the
// system, only compared and passed back.
char g_journalTimer;
}  // namespace

HANDLE CSystemRequests::CreateWakeUpTimer()
{
    if (Journaling()) {
        Record(CJournalLine(L"CreateWaitableTimerW").Str());
        return &g_journalTimer;
    }
    return CreateWaitableTimerW(nullptr, TRUE, nullptr);
}

bool CSystemRequests::SetWakeUpTimer(HANDLE timer, ULONGLONG dueUtc)
{
    if (Journaling()) {
        Record(CJournalLine(L"SetWaitableTimer").Num(static_cast<long long>(dueUtc)).Num(0).Num(1).Str());
        return true;
    }
    LARGE_INTEGER due;
    due.QuadPart = static_cast<LONGLONG>(dueUtc);
    SetLastError(ERROR_SUCCESS);
    const BOOL set = SetWaitableTimer(timer, &due, 0, nullptr, nullptr, TRUE);
    // A system without resume support still sets the timer but says so
    // through the last-error value.
    return set && GetLastError() != ERROR_NOT_SUPPORTED;
}

BOOL CSystemRequests::CancelWakeUpTimer(HANDLE timer)
{
    if (Journaling()) {
        Record(CJournalLine(L"CancelWaitableTimer").Str());
        return TRUE;
    }
    return CancelWaitableTimer(timer);
}

void CSystemRequests::CloseWakeUpTimer(HANDLE timer)
{
    if (Journaling()) {
        Record(CJournalLine(L"CloseHandle").Str());
        return;
    }
    CloseHandle(timer);
}

BOOL CSystemRequests::GetSystemPowerStatus(SYSTEM_POWER_STATUS& status)
{
    return ::GetSystemPowerStatus(&status);
}
