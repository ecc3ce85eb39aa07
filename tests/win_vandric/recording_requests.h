#pragma once
// Shared by Vandric's Win32 tests: a fake IVandricRequests that records each
// request as one line and carries nothing out, installed for a test's lifetime.
#include <windows.h>

#include <string>
#include <vector>

#include "timer/vandric_requests.h"

class CRecordingRequests final : public IVandricRequests {
public:
    CRecordingRequests() { SetVandricSystemForTesting(this); }
    ~CRecordingRequests() override { SetVandricSystemForTesting(nullptr); }

    void EnableShutdownPrivilege() override { m_lines.push_back(L"privilege"); }
    BOOL ExitWindowsEx(UINT flags, DWORD reason) override
    {
        m_lines.push_back(L"ExitWindowsEx " + std::to_wstring(flags) + L" " + std::to_wstring(reason));
        return TRUE;
    }
    LRESULT SendMonitorPower(HWND target, LPARAM state) override
    {
        m_lines.push_back(L"Send " + std::to_wstring(reinterpret_cast<INT_PTR>(target)) + L" " +
                          std::to_wstring(state));
        return 0;
    }
    void BroadcastMonitorPower(LPARAM state, UINT timeoutMs) override
    {
        m_lines.push_back(L"Broadcast " + std::to_wstring(state) + L" " + std::to_wstring(timeoutMs));
    }
    void OpenLink(const std::wstring& address) override { m_lines.push_back(L"Open " + address); }
    // Kept apart from m_lines: each countdown adds these around the others.
    EXECUTION_STATE SetExecutionState(EXECUTION_STATE state) override
    {
        m_states.push_back(state == (ES_SYSTEM_REQUIRED | ES_CONTINUOUS) ? L"awake"
                          : state == ES_CONTINUOUS                     ? L"release"
                                                                       : L"state " + std::to_wstring(state));
        return ES_CONTINUOUS;
    }

    std::vector<std::wstring> m_lines;
    std::vector<std::wstring> m_states;
};

// HKCU\Software\Corvane\VandricTests, emptied and made the profile again.
void ResetVandricTestProfile();
// Takes the WM_QUIT that destroying the main window leaves in the queue.
bool TakeQuitMessage();
