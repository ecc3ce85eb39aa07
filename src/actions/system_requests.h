#pragma once
// Every request with a real effect on the machine goes through this one
// interface: power and session, privilege, display power, lock, input block,
// process and document starts, keep-awake, speech. Tests and demonstrations
// replace the effect by a journal line.
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
};

// The process-wide instance: the real system, or the journal when the
// environment variable UMBRIX_JOURNAL names a file.
ISystemRequests& System();
// Replaces the process-wide instance (tests); null restores the default.
void SetSystemForTesting(ISystemRequests* system);

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

    bool Journaling() const { return !m_journalPath.empty(); }

private:
    void Record(const std::wstring& line) const;

    std::wstring m_journalPath;
};
