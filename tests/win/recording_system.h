#pragma once
// A fake ISystemRequests that records what is asked of it and carries nothing
// out. Thread-safe, because the countdown speaks on a worker thread.
// CSystemOverride installs one for the lifetime of a test.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

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

    BOOL ExitWindowsEx(UINT, DWORD) override { return TRUE; }
    BOOL SetSystemPowerState(BOOL, BOOL) override { return TRUE; }
    bool SetSuspendState(BOOL, BOOL, BOOL) override { return true; }
    DWORD EnableShutdownPrivilege() override { return 0; }
    LRESULT SendMonitorPower(HWND, LPARAM) override { return 0; }
    int LockWorkStation() override { return 1; }
    BOOL BlockInput(BOOL) override { return TRUE; }
    INT_PTR ShellExecuteFile(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                         int show) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_executed.push_back({verb, file, parameters, show});
        return 33;
    }
    EXECUTION_STATE SetThreadExecutionState(EXECUTION_STATE) override { return ES_CONTINUOUS; }
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

private:
    mutable std::mutex m_mutex;
    std::vector<Speech> m_spoken;
    std::vector<WaveFile> m_waveFiles;
    std::vector<Execute> m_executed;
};

class CSystemOverride {
public:
    explicit CSystemOverride(ISystemRequests& system) { SetSystemForTesting(&system); }
    ~CSystemOverride() { SetSystemForTesting(nullptr); }
    CSystemOverride(const CSystemOverride&) = delete;
    CSystemOverride& operator=(const CSystemOverride&) = delete;
};
