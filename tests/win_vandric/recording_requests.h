#pragma once
// A fake IVandricRequests that records each request in the journal's
// one-line form and carries nothing out. CRequestsOverride installs one for
// the lifetime of a test.
#include <windows.h>

#include <string>
#include <vector>

#include "actions/journal_line.h"
#include "timer/vandric_requests.h"

class CRecordingRequests final : public IVandricRequests {
public:
    std::vector<std::wstring> m_requests;

    void EnableShutdownPrivilege() override
    {
        m_requests.push_back(CJournalLine(L"AdjustTokenPrivileges").Text(L"SeShutdownPrivilege").Str());
    }
    BOOL ExitWindowsEx(UINT flags, DWORD reason) override
    {
        m_requests.push_back(CJournalLine(L"ExitWindowsEx").Num(flags).Num(reason).Str());
        return TRUE;
    }
    LRESULT SendMonitorPower(HWND target, LPARAM state) override
    {
        m_requests.push_back(CJournalLine(L"SendMessageW")
                                 .Num(static_cast<long long>(reinterpret_cast<INT_PTR>(target)))
                                 .Num(state)
                                 .Str());
        return 0;
    }
    void BroadcastMonitorPower(LPARAM state, UINT timeoutMs) override
    {
        m_requests.push_back(CJournalLine(L"Broadcast").Num(state).Num(timeoutMs).Str());
    }
    void OpenLink(const std::wstring& address) override
    {
        m_requests.push_back(CJournalLine(L"ShellExecuteW").Text(L"Open").Text(address).Str());
    }
};

class CRequestsOverride {
public:
    explicit CRequestsOverride(IVandricRequests& fake) { SetVandricSystemForTesting(&fake); }
    ~CRequestsOverride() { SetVandricSystemForTesting(nullptr); }
    CRequestsOverride(const CRequestsOverride&) = delete;
    CRequestsOverride& operator=(const CRequestsOverride&) = delete;
};

// HKCU\Software\Corvane\VandricTests, emptied and made the profile again.
void ResetVandricTestProfile();
// Takes a WM_QUIT that destroying the main window left in the queue.
bool TakeQuitMessage();
