#pragma once
// Every request with a real effect on the machine goes through this one
// interface: power and session, privilege, display power, lock, input block,
// process and document starts, keep-awake, speech, window closing, media
// control, proxy and dial-up settings, the desktop scheme, volume, wake-up
// timers. The reads that belong to them come through it too, so a fake can
// answer them. Tests and demonstrations replace the effect by a journal line.
#include <windows.h>

#include <string>

class ISystemRequests {
public:
    virtual ~ISystemRequests() = default;

    virtual BOOL ExitWindowsEx(UINT flags, DWORD reason) = 0;
    virtual BOOL SetSystemPowerState(BOOL suspend, BOOL force) = 0;
    // Looks SetSuspendState up in "Powrprof.dll" at the moment of use; false
    // (and nothing requested) when the library or the function is missing.
    virtual bool SetSuspendState(BOOL hibernate, BOOL forceCritical, BOOL disableWakeEvent) = 0;
    // Enables "SeShutdownPrivilege" on the process token; the thread's
    // last-error value after AdjustTokenPrivileges (0 = fully granted).
    virtual DWORD EnableShutdownPrivilege() = 0;
    // WM_SYSCOMMAND / SC_MONITORPOWER sent synchronously to `target`;
    // `state` is 2 for off, -1 for on.
    virtual LRESULT SendMonitorPower(HWND target, LPARAM state) = 0;
    // Looks LockWorkStation up in "user32.dll"; its result, or -1 when it
    // cannot be found.
    virtual int LockWorkStation() = 0;
    virtual BOOL BlockInput(BOOL block) = 0;
    // ShellExecuteW with no owner; its result (> 32 means success).
    virtual INT_PTR ShellExecuteFile(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                                 int show) = 0;
    virtual EXECUTION_STATE SetThreadExecutionState(EXECUTION_STATE flags) = 0;
    // CreateProcessW with `commandLine`, no inherited handles, no creation
    // flags, this process's environment and current directory. On success
    // `info` holds the new process; the caller closes both its handles.
    // False (and `info` zeroed) when nothing was started.
    virtual bool StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION& info) = 0;
    virtual BOOL TerminateProcess(HANDLE process, UINT exitCode) = 0;
    // Speaks `text` synchronously with the default voice (callable on any
    // thread; initialises the component library itself). False when the
    // library or the voice is unavailable.
    virtual bool SpeakText(const std::wstring& text) = 0;
    // Speaks `text` into a new wave file at `path` (PCM, mono, 8000 Hz, 16 bit).
    virtual bool TextToWaveFile(const std::wstring& path, const std::wstring& text) = 0;

    // Posts WM_CLOSE to a top-level window (of any process); nothing waits.
    virtual BOOL PostCloseWindow(HWND window) = 0;
    // A media-control command string without reply buffer or callback; its result.
    virtual DWORD SendMediaCommand(const std::wstring& command) = 0;
    // INTERNET_PER_CONN_FLAGS of the default (LAN) connection; false when the
    // query fails.
    virtual bool QueryProxyFlags(DWORD& flags) = 0;
    virtual bool SetProxyFlags(DWORD flags) = 0;
    // INTERNET_OPTION_SETTINGS_CHANGED and INTERNET_OPTION_REFRESH.
    virtual BOOL AnnounceInternetSettingsChanged() = 0;
    virtual BOOL RefreshInternetSettings() = 0;
    // The first active dial-up connection, or null when there is none or the
    // list cannot be read.
    virtual HANDLE FirstDialUpConnection() = 0;
    // False once the system no longer knows the connection (ERROR_INVALID_HANDLE).
    virtual bool DialUpConnectionKnown(HANDLE connection) = 0;
    virtual DWORD HangUpDialUp(HANDLE connection) = 0;
    // "DeskSetCurrentScheme" of the system's DESK.CPL; false when missing.
    virtual bool SetDesktopScheme(const std::wstring& scheme) = 0;
    // Master volume of the default output (Core Audio); COM status codes.
    virtual HRESULT GetMasterMute(bool& muted) = 0;
    virtual HRESULT SetMasterMute(bool mute) = 0;
    virtual HRESULT StepMasterVolume(bool up) = 0;
    // A waitable timer for waking the computer (no security attributes,
    // manual reset, no name); null when it cannot be created.
    virtual HANDLE CreateWakeUpTimer() = 0;
    // Sets `timer` to the absolute UTC time `dueUtc` (a FILETIME count), no
    // period, no completion routine, with resume. True when the call succeeds
    // and the system does not answer ERROR_NOT_SUPPORTED.
    virtual bool SetWakeUpTimer(HANDLE timer, ULONGLONG dueUtc) = 0;
    virtual BOOL CancelWakeUpTimer(HANDLE timer) = 0;
    virtual void CloseWakeUpTimer(HANDLE timer) = 0;
    // Reads the power status. A read changes nothing, so the journal passes it
    // through to the system without a line.
    virtual BOOL GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) = 0;
};

// The process-wide instance: the real system, or the journal when the
// environment variable UMBRIX_JOURNAL names a file.
ISystemRequests& System();
// Replaces the process-wide instance (tests); null restores the default.
void SetSystemForTesting(ISystemRequests* system);
// A pause that only a person at the machine needs, in milliseconds: `ms`,
// unless the process journals its requests (UMBRIX_JOURNAL) and
// UMBRIX_JOURNAL_PAUSE_MS gives a number, which then replaces it, so
// end-to-end tests that are not about the pause need not wait it out.
DWORD UserPauseMs(DWORD ms);

// The real implementation, with the journal switch.
class CSystemRequests final : public ISystemRequests {
public:
    // `journalPath` empty: carry requests out; otherwise append one line per
    // request to that file and report success.
    explicit CSystemRequests(std::wstring journalPath);

    BOOL ExitWindowsEx(UINT flags, DWORD reason) override;
    BOOL SetSystemPowerState(BOOL suspend, BOOL force) override;
    bool SetSuspendState(BOOL hibernate, BOOL forceCritical, BOOL disableWakeEvent) override;
    DWORD EnableShutdownPrivilege() override;
    LRESULT SendMonitorPower(HWND target, LPARAM state) override;
    int LockWorkStation() override;
    BOOL BlockInput(BOOL block) override;
    INT_PTR ShellExecuteFile(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                         int show) override;
    EXECUTION_STATE SetThreadExecutionState(EXECUTION_STATE flags) override;
    bool StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION& info) override;
    BOOL TerminateProcess(HANDLE process, UINT exitCode) override;
    bool SpeakText(const std::wstring& text) override;
    bool TextToWaveFile(const std::wstring& path, const std::wstring& text) override;
    BOOL PostCloseWindow(HWND window) override;
    DWORD SendMediaCommand(const std::wstring& command) override;
    bool QueryProxyFlags(DWORD& flags) override;
    bool SetProxyFlags(DWORD flags) override;
    BOOL AnnounceInternetSettingsChanged() override;
    BOOL RefreshInternetSettings() override;
    HANDLE FirstDialUpConnection() override;
    bool DialUpConnectionKnown(HANDLE connection) override;
    DWORD HangUpDialUp(HANDLE connection) override;
    bool SetDesktopScheme(const std::wstring& scheme) override;
    // Volume requests are journalled and still carried out: they touch only
    // the session's sound output, and the journal's users read the endpoint
    // back.
    HRESULT GetMasterMute(bool& muted) override;
    HRESULT SetMasterMute(bool mute) override;
    HRESULT StepMasterVolume(bool up) override;
    HANDLE CreateWakeUpTimer() override;
    bool SetWakeUpTimer(HANDLE timer, ULONGLONG dueUtc) override;
    BOOL CancelWakeUpTimer(HANDLE timer) override;
    void CloseWakeUpTimer(HANDLE timer) override;
    BOOL GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override;

    bool Journaling() const { return !m_journalPath.empty(); }

private:
    void Record(const std::wstring& line) const;

    std::wstring m_journalPath;
    // What the journal pretends to have done, so that reading back after a
    // journalled request sees its effect.
    bool m_proxyWritten = false;
    DWORD m_proxyFlags = 0;
    HANDLE m_hungUp = nullptr;
};
