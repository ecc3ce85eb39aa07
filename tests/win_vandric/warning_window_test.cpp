// The warning window of the last minute: shown without taking the focus,
// beside the taskbar, and its two buttons act. Requests go to a recording fake.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "resources/vandric_resource.h"
#include "timer/vandric_dlg.h"
#include "win_vandric/recording_requests.h"

namespace {

std::wstring TextOf(HWND hwnd)
{
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class VandricWarning : public testing::Test {
protected:
    void SetUp() override
    {
        ResetVandricTestProfile();
        // Someone types elsewhere: an edit box of another window has the focus.
        m_typing = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 100, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(m_dlg.Create());
        AfxGetApp()->m_pMainWnd = &m_dlg;
        m_hwnd = m_dlg.GetSafeHwnd();
        SetForegroundWindow(m_typing);
        SetFocus(m_typing);
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_dlg.Destroy();
        TakeQuitMessage();
        DestroyWindow(m_typing);
    }
    void Tick(int times)
    {
        for (int i = 0; i < times; ++i) SendMessageW(m_hwnd, WM_TIMER, 1, 0);
    }
    HWND Warning() const { return m_dlg.Warning().GetSafeHwnd(); }

    CRecordingRequests m_requests;
    CVandricDlg m_dlg;
    HWND m_hwnd = nullptr;
    HWND m_typing = nullptr;
};

}  // namespace

TEST_F(VandricWarning, ShowsWithoutTakingTheFocusAndAddsTenMinutes)
{
    ASSERT_EQ(GetFocus(), m_typing);
    m_dlg.StartCountdown(1, L"Restart(Brute)");
    ASSERT_TRUE(IsWindowVisible(Warning())) << "a minute left: at once";
    EXPECT_EQ(TextOf(Warning()), L"Vandric");
    EXPECT_EQ(TextOf(GetDlgItem(Warning(), IDC_WARNING_SECONDS)), L"60 seconds left");
    const std::wstring sentence = TextOf(GetDlgItem(Warning(), IDC_WARNING_TEXT));
    EXPECT_EQ(sentence.rfind(L"Vandric will restart the computer at ", 0), 0u) << sentence;
    EXPECT_NE(sentence.find(L". Running programs will be closed without asking."), std::wstring::npos);
    EXPECT_TRUE(GetWindowLongW(Warning(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Tick(30);
    EXPECT_EQ(TextOf(GetDlgItem(Warning(), IDC_WARNING_SECONDS)), L"30 seconds left");
    EXPECT_EQ(GetForegroundWindow(), m_typing) << "not activated";
    EXPECT_EQ(GetFocus(), m_typing) << "keys typed elsewhere stay there";

    SendMessageW(GetDlgItem(Warning(), ID_VANDRIC_ADD_TEN), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(m_dlg.Countdown().Remaining(), 630);
    EXPECT_EQ(m_dlg.Tray().Tip(), L"Vandric : 630 Seconds remaining\nto initiate Restart(Brute)") << "at once";
    EXPECT_FALSE(IsWindow(Warning())) << "more than a minute left: gone";
    Tick(570);
    EXPECT_TRUE(IsWindowVisible(Warning())) << "back at a minute left";
    Tick(61);
    EXPECT_FALSE(IsWindow(Warning())) << "gone with the request";
    EXPECT_EQ(m_requests.m_lines, (std::vector<std::wstring>{L"privilege", L"ExitWindowsEx 6 0"}));
}

TEST_F(VandricWarning, CancelScheduleEndsWithoutARequestAndTheStoredValueSwitchesItOff)
{
    m_dlg.StartCountdown(1, L"Log Off");
    ASSERT_TRUE(IsWindowVisible(Warning()));
    SendMessageW(GetDlgItem(Warning(), ID_VANDRIC_CANCEL_SCHEDULE), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(m_hwnd));
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_TRUE(m_requests.m_lines.empty());
    EXPECT_EQ(m_requests.m_states, (std::vector<std::wstring>{L"awake", L"release"}));

    DestroyWindow(m_typing);
    SetUp();
    AfxProfile().WriteInt(kSettingsSection, L"Warnings", 0);
    m_dlg.StartCountdown(1, L"Shutdown");
    EXPECT_FALSE(IsWindow(Warning())) << "switched off by the stored value";
}

// Beside the taskbar on its monitor, whatever edge Wine or Windows reports.
TEST_F(VandricWarning, SitsBesideTheTaskbar)
{
    m_dlg.StartCountdown(1, L"Shutdown");
    RECT w;
    ASSERT_TRUE(GetWindowRect(Warning(), &w));
    APPBARDATA bar{};
    bar.cbSize = sizeof(bar);
    const bool taskbar = SHAppBarMessage(ABM_GETTASKBARPOS, &bar) != 0;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(taskbar ? MonitorFromRect(&bar.rc, MONITOR_DEFAULTTOPRIMARY)
                            : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    const RECT& m = monitor.rcMonitor;
    EXPECT_TRUE(w.left >= m.left && w.top >= m.top && w.right <= m.right && w.bottom <= m.bottom);
    RECT overlap;
    if (taskbar) {
        EXPECT_FALSE(IntersectRect(&overlap, &w, &bar.rc)) << "not over the taskbar";
    }
    const int margin = kWarningMargin;
    const bool beside = !taskbar ? w.right == m.right - margin && w.bottom == m.bottom - margin
                        : bar.uEdge == ABE_BOTTOM ? w.bottom == bar.rc.top - margin
                        : bar.uEdge == ABE_TOP    ? w.top == bar.rc.bottom + margin
                        : bar.uEdge == ABE_LEFT   ? w.left == bar.rc.right + margin
                                                  : w.right == bar.rc.left - margin;
    EXPECT_TRUE(beside) << taskbar << " edge " << bar.uEdge << " at " << w.left << "," << w.top;
}
