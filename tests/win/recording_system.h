#pragma once
// A fake ISystemRequests that records what is asked of it and carries nothing
// out. Thread-safe, because the countdown speaks on a worker thread.
// CSystemOverride installs one for the lifetime of a test.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "actions/journal_line.h"
#include "actions/system_requests.h"

class CRecordingSystem final : public ISystemRequests {
public:
    struct Speech {
        std::wstring text;
        DWORD threadId;
    };
    struct WaveFile {
        std::wstring path;
        std::wstring text;
    };
    struct Execute {
        std::wstring verb;
        std::wstring file;
        std::wstring parameters;
        int show;
    };

    // What SpeakText and TextToWaveFile report.
    bool m_speakResult = true;
    bool m_waveResult = true;
    // What the privilege step and LockWorkStation report.
    DWORD m_privilegeError = 0;
    int m_lockResult = 1;
    // The simulated proxy flags.
    DWORD m_proxyFlags = 1;
    // Active dial-up connections (first listed first); after a hang-up the
    // connection stays known for this many status checks.
    std::vector<INT_PTR> m_dialUpConnections;
    int m_statusChecksUntilGone = 0;
    // The simulated master volume.
    bool m_muted = false;
    // What the wake-up timer calls report; the handle is never used.
    bool m_createTimerResult = true;
    bool m_setTimerResult = true;
    // What GetSystemPowerStatus reports (default: mains power, no battery).
    BOOL m_powerStatusResult = TRUE;
    SYSTEM_POWER_STATUS m_powerStatus{1, 128, 255, 0, static_cast<DWORD>(-1), static_cast<DWORD>(-1)};

    // Every request, in order, in the journal's one-line form.
    std::vector<std::wstring> Requests() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }
    void ClearRequests()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.clear();
    }

    void ClearSpoken()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_spoken.clear();
    }
    std::vector<Speech> Spoken() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_spoken;
    }
    std::vector<WaveFile> WaveFiles() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_waveFiles;
    }
    std::vector<Execute> Executed() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_executed;
    }
    // Waits up to `timeoutMs` for at least `count` speech requests.
    bool WaitForSpoken(size_t count, DWORD timeoutMs) const
    {
        const DWORD start = GetTickCount();
        while (Spoken().size() < count) {
            if (GetTickCount() - start > timeoutMs) return false;
            Sleep(10);
        }
        return true;
    }

    BOOL ExitWindowsEx(UINT flags, DWORD reason) override
    {
        Log(CJournalLine(L"ExitWindowsEx").Num(flags).Num(reason));
        return TRUE;
    }
    BOOL SetSystemPowerState(BOOL suspend, BOOL force) override
    {
        Log(CJournalLine(L"SetSystemPowerState").Num(suspend).Num(force));
        return TRUE;
    }
    bool SetSuspendState(BOOL a, BOOL b, BOOL c) override
    {
        Log(CJournalLine(L"SetSuspendState").Num(a).Num(b).Num(c));
        return true;
    }
    DWORD EnableShutdownPrivilege() override
    {
        Log(CJournalLine(L"AdjustTokenPrivileges").Text(L"SeShutdownPrivilege"));
        return m_privilegeError;
    }
    LRESULT SendMonitorPower(HWND target, LPARAM state) override
    {
        Log(CJournalLine(L"SendMessageW")
                .Num(static_cast<long long>(reinterpret_cast<INT_PTR>(target)))
                .Num(WM_SYSCOMMAND)
                .Num(SC_MONITORPOWER)
                .Num(state));
        return 0;
    }
    int LockWorkStation() override
    {
        Log(CJournalLine(L"LockWorkStation"));
        return m_lockResult;
    }
    BOOL BlockInput(BOOL block) override
    {
        Log(CJournalLine(L"BlockInput").Num(block));
        return TRUE;
    }
    INT_PTR ShellExecuteFile(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                         int show) override
    {
        Log(CJournalLine(L"ShellExecuteW").Text(verb).Text(file).Text(parameters));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_executed.push_back({verb, file, parameters, show});
        return 33;
    }
    EXECUTION_STATE SetThreadExecutionState(EXECUTION_STATE flags) override
    {
        Log(CJournalLine(L"SetThreadExecutionState").Num(flags));
        return ES_CONTINUOUS;
    }
    // Starts the process for real when `m_startProcesses` is set (harmless
    // test programs only), so a test can see it run and end.
    bool m_startProcesses = false;
    bool StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION& info) override
    {
        Log(CJournalLine(L"CreateProcessW").Text(commandLine));
        info = PROCESS_INFORMATION{};
        if (!m_startProcesses) return false;
        STARTUPINFOW startup{sizeof(startup)};
        std::wstring buffer = commandLine;
        if (CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return true;
        info = PROCESS_INFORMATION{};
        return false;
    }
    BOOL TerminateProcess(HANDLE process, UINT exitCode) override
    {
        Log(CJournalLine(L"TerminateProcess").Num(GetProcessId(process)).Num(exitCode));
        return ::TerminateProcess(process, exitCode);
    }
    bool SpeakText(const std::wstring& text) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_spoken.push_back({text, GetCurrentThreadId()});
        return m_speakResult;
    }
    bool TextToWaveFile(const std::wstring& path, const std::wstring& text) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waveFiles.push_back({path, text});
        return m_waveResult;
    }

    BOOL PostCloseWindow(HWND window) override
    {
        Log(CJournalLine(L"PostMessageW").Num(static_cast<long long>(reinterpret_cast<INT_PTR>(window))).Num(WM_CLOSE).Num(0).Num(0));
        return TRUE;
    }
    DWORD SendMediaCommand(const std::wstring& command) override
    {
        Log(CJournalLine(L"mciSendStringW").Text(command));
        return 0;
    }
    bool QueryProxyFlags(DWORD& flags) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        flags = m_proxyFlags;
        return true;
    }
    bool SetProxyFlags(DWORD flags) override
    {
        Log(CJournalLine(L"InternetSetOptionW").Num(75).Num(flags));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_proxyFlags = flags;
        return true;
    }
    BOOL AnnounceInternetSettingsChanged() override
    {
        Log(CJournalLine(L"InternetSetOptionW").Num(39));
        return TRUE;
    }
    BOOL RefreshInternetSettings() override
    {
        Log(CJournalLine(L"InternetSetOptionW").Num(37));
        return TRUE;
    }
    HANDLE FirstDialUpConnection() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_dialUpConnections.empty() ? nullptr : reinterpret_cast<HANDLE>(m_dialUpConnections.front());
    }
    bool DialUpConnectionKnown(HANDLE connection) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_statusChecks;
        const INT_PTR id = reinterpret_cast<INT_PTR>(connection);
        if (id != 0 && id == m_hungUp) {
            if (m_statusChecksUntilGone <= 0) return false;
            --m_statusChecksUntilGone;
            return true;
        }
        for (INT_PTR c : m_dialUpConnections)
            if (c == id && id != 0) return true;
        return false;
    }
    DWORD HangUpDialUp(HANDLE connection) override
    {
        Log(CJournalLine(L"RasHangUpW").Num(static_cast<long long>(reinterpret_cast<INT_PTR>(connection))));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_hungUp = reinterpret_cast<INT_PTR>(connection);
        return 0;
    }
    int StatusChecks() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_statusChecks;
    }
    bool SetDesktopScheme(const std::wstring& scheme) override
    {
        Log(CJournalLine(L"DeskSetCurrentScheme").Text(scheme));
        return true;
    }
    HRESULT GetMasterMute(bool& muted) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        muted = m_muted;
        return S_OK;
    }
    HRESULT SetMasterMute(bool mute) override
    {
        Log(CJournalLine(L"SetMute").Num(mute ? 1 : 0));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_muted = mute;
        return S_OK;
    }
    HRESULT StepMasterVolume(bool up) override
    {
        Log(CJournalLine(up ? L"VolumeStepUp" : L"VolumeStepDown"));
        return S_OK;
    }
    HANDLE CreateWakeUpTimer() override
    {
        Log(CJournalLine(L"CreateWaitableTimerW"));
        return m_createTimerResult ? reinterpret_cast<HANDLE>(&m_timerToken) : nullptr;
    }
    bool SetWakeUpTimer(HANDLE timer, ULONGLONG dueUtc) override
    {
        Log(CJournalLine(L"SetWaitableTimer").Num(static_cast<long long>(dueUtc)).Num(0).Num(1));
        return timer && m_setTimerResult;
    }
    BOOL CancelWakeUpTimer(HANDLE) override
    {
        Log(CJournalLine(L"CancelWaitableTimer"));
        return TRUE;
    }
    void CloseWakeUpTimer(HANDLE) override { Log(CJournalLine(L"CloseHandle")); }
    BOOL GetSystemPowerStatus(SYSTEM_POWER_STATUS& status) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_powerReads;
        if (m_powerStatusResult) status = m_powerStatus;
        return m_powerStatusResult;
    }
    int PowerReads() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_powerReads;
    }

private:
    void Log(const CJournalLine& line)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(line.Str());
    }

    mutable std::mutex m_mutex;
    std::vector<std::wstring> m_requests;
    std::vector<Speech> m_spoken;
    std::vector<WaveFile> m_waveFiles;
    std::vector<Execute> m_executed;
    INT_PTR m_hungUp = 0;
    int m_statusChecks = 0;
    int m_powerReads = 0;
    char m_timerToken = 0;
};

class CSystemOverride {
public:
    explicit CSystemOverride(ISystemRequests& system) { SetSystemForTesting(&system); }
    ~CSystemOverride() { SetSystemForTesting(nullptr); }
    CSystemOverride(const CSystemOverride&) = delete;
    CSystemOverride& operator=(const CSystemOverride&) = delete;
};
