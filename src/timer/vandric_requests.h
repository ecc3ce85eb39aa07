#pragma once
// Every request of Vandric with a real effect on the machine: the shut-down
// privilege, shut-down / restart / log-off, display power, the thread's
// execution state and the shell starts of its links. With VANDRIC_JOURNAL set each request is written as
// one line instead of being made.
#include <windows.h>

#include <string>

class IVandricRequests {
public:
    virtual ~IVandricRequests() = default;

    // Enables "SeShutdownPrivilege" on the process token. Nothing is
    // examined: a refused privilege simply makes the next request fail.
    virtual void EnableShutdownPrivilege() = 0;
    virtual BOOL ExitWindowsEx(UINT flags, DWORD reason) = 0;
    // WM_SYSCOMMAND / SC_MONITORPOWER with `state` (2 = off) sent to one
    // window, waiting for it.
    virtual LRESULT SendMonitorPower(HWND target, LPARAM state) = 0;
    // The same to every top-level window, giving up on a hung one at once
    // and on any other after `timeoutMs`.
    virtual void BroadcastMonitorPower(LPARAM state, UINT timeoutMs) = 0;
    // Opens a web address or mailto: link with the shell's "Open" verb.
    virtual void OpenLink(const std::wstring& address) = 0;
    // SetThreadExecutionState for the calling thread; the previous state, or
    // 0 when refused.
    virtual EXECUTION_STATE SetExecutionState(EXECUTION_STATE state) = 0;
};

// The process-wide instance: the real system, or the journal when the
// environment variable VANDRIC_JOURNAL names a file.
IVandricRequests& VandricSystem();
// Replaces the process-wide instance (tests); null restores the default.
void SetVandricSystemForTesting(IVandricRequests* system);

class CVandricRequests final : public IVandricRequests {
public:
    // `journalPath` empty: carry requests out; otherwise append one UTF-8
    // line per request to that file and report success.
    explicit CVandricRequests(std::wstring journalPath);

    void EnableShutdownPrivilege() override;
    BOOL ExitWindowsEx(UINT flags, DWORD reason) override;
    LRESULT SendMonitorPower(HWND target, LPARAM state) override;
    void BroadcastMonitorPower(LPARAM state, UINT timeoutMs) override;
    void OpenLink(const std::wstring& address) override;
    EXECUTION_STATE SetExecutionState(EXECUTION_STATE state) override;

private:
    bool Journaling() const { return !m_journalPath.empty(); }
    void Record(const std::wstring& line) const;

    std::wstring m_journalPath;
};
