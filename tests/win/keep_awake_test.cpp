// The tray's "Keep Awake" sub-menu and the tray icon's theme, on the real
// window and shell APIs with a recording system.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/idle_timers.h"
#include "shell/main_frame.h"
#include "shell/umbrix_view.h"
#include "win/light_theme_value.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

using Lines = std::vector<std::wstring>;
const std::wstring kStayAwake = L"SetThreadExecutionState 2147483651";
const std::wstring kWithdraw = L"SetThreadExecutionState 2147483648";

DWORD g_tick = 0;
DWORD WINAPI FakeTick()
{
    return g_tick;
}

class KeepAwake : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        ASSERT_TRUE(m_frame.Create());
        AfxGetApp()->m_pMainWnd = &m_frame;
        View().m_tickCount = FakeTick;
        m_system.ClearRequests();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    CUmbrixView& View() { return *m_frame.View(); }
    HWND ViewHwnd() { return View().GetSafeHwnd(); }
    void Command(UINT id) { SendMessageW(ViewHwnd(), WM_COMMAND, id, 0); }
    static int Stored() { return AfxProfile().ReadInt(kSettingsSection, L"KeepSystemActive", -99); }
    UINT CheckedItem()
    {
        HMENU popup = GetSubMenu(View().TrayMenu(), 0);
        View().MarkKeepAwakeItem(popup);
        for (UINT id = ID_KEEP_AWAKE_OFF; id <= ID_KEEP_AWAKE_UNTIL_OFF; ++id)
            if (GetMenuState(popup, id, MF_BYCOMMAND) & MF_CHECKED) return id;
        return 0;
    }

    CLightThemeValue m_theme;  // before the frame: the frame reads it
    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
    CMainFrame m_frame;
};

}  // namespace

TEST_F(KeepAwake, SaveWithTheBoxUntickedKeepsATimedOneUntilItsTimeIsUp)
{
    EXPECT_EQ(CheckedItem(), static_cast<UINT>(ID_KEEP_AWAKE_OFF));
    g_tick = 0xFFFFF000u;  // the tick count wraps during the hour
    Command(ID_KEEP_AWAKE_ONE_HOUR);
    EXPECT_EQ(m_system.Requests(), Lines{kStayAwake});
    EXPECT_EQ(View().TrayTip().rfind(L"Umbrix\nKept Awake until ", 0), 0u) << View().TrayTip().c_str();
    EXPECT_EQ(Stored(), -99) << "a timed keep-awake is not stored";
    EXPECT_EQ(CheckedItem(), static_cast<UINT>(ID_KEEP_AWAKE_ONE_HOUR));

    // The unticked box withdraws, as specified, and the timed one asks again.
    m_system.ClearRequests();
    Command(ID_TRAY_SETTINGS);
    CheckDlgButton(ViewHwnd(), IDC_FORM_KEEP_ACTIVE, BST_UNCHECKED);
    SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(m_system.Requests(), (Lines{kWithdraw, kStayAwake}));
    EXPECT_EQ(View().TimedKeepAwake(), KeepAwakeItem::OneHour);
    EXPECT_EQ(View().TrayTip().rfind(L"Umbrix\nKept Awake until ", 0), 0u);

    m_system.ClearRequests();
    g_tick += 3600000 - 1;
    SendMessageW(ViewHwnd(), WM_TIMER, kSecondTimer, 0);
    EXPECT_TRUE(m_system.Requests().empty());
    ++g_tick;
    SendMessageW(ViewHwnd(), WM_TIMER, kSecondTimer, 0);
    EXPECT_EQ(m_system.Requests(), Lines{kWithdraw});
    EXPECT_EQ(View().TrayTip(), L"Umbrix");
    EXPECT_EQ(CheckedItem(), static_cast<UINT>(ID_KEEP_AWAKE_OFF));
}

TEST_F(KeepAwake, UntilTurnedOffAndOffAreTheStoredSettingAndReplaceATimedOne)
{
    Command(ID_KEEP_AWAKE_FOUR_HOURS);
    Command(ID_KEEP_AWAKE_UNTIL_OFF);
    EXPECT_EQ(Stored(), 1);
    EXPECT_FALSE(View().TimedKeepAwake().has_value());
    EXPECT_EQ(View().TrayTip(), L"Umbrix\nSystem Will be Kept Active");
    EXPECT_EQ(CheckedItem(), static_cast<UINT>(ID_KEEP_AWAKE_UNTIL_OFF));
    Command(ID_TRAY_SETTINGS);
    EXPECT_EQ(IsDlgButtonChecked(ViewHwnd(), IDC_FORM_KEEP_ACTIVE), static_cast<UINT>(BST_CHECKED));

    // A timed one chosen now ends the stored one, which it replaces.
    Command(ID_KEEP_AWAKE_ONE_HOUR);
    EXPECT_EQ(Stored(), 0);
    Command(ID_KEEP_AWAKE_OFF);
    EXPECT_EQ(Stored(), 0);
    EXPECT_FALSE(View().TimedKeepAwake().has_value());
    EXPECT_EQ(m_system.Requests(), (Lines{kStayAwake, kStayAwake, kStayAwake, kWithdraw}));
    // Exit withdraws whatever is on.
    Command(ID_KEEP_AWAKE_FOUR_HOURS);
    m_system.ClearRequests();
    Command(ID_APP_EXIT_UMBRIX);
    EXPECT_EQ(m_system.Requests(), Lines{kWithdraw});
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(KeepAwake, ThemeChangeSwapsTheTrayIcon)
{
    m_theme.Set(-1);  // Windows 7 and 8 have no such value
    CLightThemeValue::Broadcast(m_frame.GetSafeHwnd());
    EXPECT_EQ(View().TrayIconResource(), IDI_TRAY_DARK_TASKBAR);
    m_theme.Set(1);
    CLightThemeValue::Broadcast(m_frame.GetSafeHwnd(), L"Environment");
    EXPECT_EQ(View().TrayIconResource(), IDI_TRAY_DARK_TASKBAR) << "not a colour change";
    CLightThemeValue::Broadcast(m_frame.GetSafeHwnd());
    EXPECT_EQ(View().TrayIconResource(), IDI_TRAY_LIGHT_TASKBAR);
    Command(ID_KEEP_AWAKE_ONE_HOUR);
    EXPECT_EQ(View().TrayIconResource(), IDI_TRAY_AWAKE_LIGHT_TASKBAR);
    m_theme.Set(0);
    CLightThemeValue::Broadcast(m_frame.GetSafeHwnd());
    EXPECT_EQ(View().TrayIconResource(), IDI_TRAY_AWAKE_DARK_TASKBAR);
}
