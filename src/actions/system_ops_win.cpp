#include "actions/system_ops.h"

#include "actions/confirm_action.h"
#include "actions/dial_up.h"
#include "actions/proxy_toggle.h"
#include "actions/system_requests.h"
#include "framework/app.h"
#include "framework/win_text.h"
#include "resources/resource.h"

namespace {

BOOL CALLBACK CloseIfBrowserFrame(HWND window, LPARAM)
{
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    // An owned window reports its owner as parent: only free-standing frames count.
    if (lstrcmpiW(className, L"IEFrame") == 0 && !GetParent(window)) System().PostCloseWindow(window);
    return TRUE;
}

class CProxySettings final : public IProxySettings {
public:
    explicit CProxySettings(HWND owner) : m_owner(owner) {}

    bool ReadFlags(unsigned& flags) override
    {
        DWORD value = 0;
        if (!System().QueryProxyFlags(value)) return false;
        flags = value;
        return true;
    }
    bool WriteFlags(unsigned flags) override { return System().SetProxyFlags(flags); }
    void SettingsChanged() override { System().AnnounceInternetSettingsChanged(); }
    bool Refresh() override { return System().RefreshInternetSettings() != FALSE; }
    void Report(const std::wstring& text, Icon icon) override
    {
        ShowErrorBox(text, m_owner, icon == Icon::Error ? MB_ICONERROR : MB_ICONINFORMATION, false);
    }

private:
    HWND m_owner;
};

class CHangUpWait final : public IHangUpWait {
public:
    explicit CHangUpWait(HANDLE connection) : m_connection(connection) {}

    bool ConnectionGone() override { return !System().DialUpConnectionKnown(m_connection); }
    bool PumpAndWait(unsigned ms) override
    {
        if (!PumpPendingMessages()) return false;
        // Wakes early for new input or messages, so windows stay responsive.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
        return true;
    }
    unsigned long long NowMs() override { return GetTickCount64(); }

private:
    HANDLE m_connection;
};

}  // namespace

void CloseAllBrowserWindows(HWND, bool confirmFirst)
{
    CWaitCursor wait;
    if (confirmFirst && !ConfirmAction(L"Close All IE Windows")) return;
    EnumWindows(CloseIfBrowserFrame, 0);
}

void EjectOpticalDrive(HWND, bool confirmFirst)
{
    if (confirmFirst && !ConfirmAction(L"Eject Optical Drive")) return;
    System().SendMediaCommand(L"Set CDAudio Door Open Wait");
}

void ToggleUseProxy(HWND owner, bool confirmFirst)
{
    if (confirmFirst && !ConfirmAction(L"Toggle Use Proxy")) return;
    CProxySettings settings(owner);
    ToggleProxyUse(settings);
}

void HangUpModem(HWND, bool confirmFirst)
{
    if (confirmFirst && !ConfirmAction(L"Hang Up Modem")) return;
    CWaitCursor wait;
    ISystemRequests& system = System();
    HANDLE connection = system.FirstDialUpConnection();
    if (!connection || !system.DialUpConnectionKnown(connection)) return;
    system.HangUpDialUp(connection);
    CHangUpWait hangUpWait(connection);
    WaitForHangUp(hangUpWait);
}

void SwitchToClassicTheme(HWND)
{
    System().SetDesktopScheme(L"Windows Classic");
}

int ShowErrorBox(const std::wstring& text, HWND owner, UINT style, bool systemText)
{
    // Taken before anything else can change it.
    const DWORD error = GetLastError();
    std::wstring message = text;
    if (systemText) {
        wchar_t* buffer = nullptr;
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer),
                       0, nullptr);
        message += L"\n";
        if (buffer) {
            message += buffer;
            LocalFree(buffer);
        }
    }
    std::wstring caption = LoadResString(IDS_APP_TITLE);
    if (caption.empty()) caption = L"Umbrix - https://www.corvane.example";
    return MessageBoxW(owner, message.c_str(), caption.c_str(), style);
}

bool PumpPendingMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}
