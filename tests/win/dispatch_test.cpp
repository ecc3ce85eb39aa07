// The frame's dispatcher, its private messages and the display operations,
// with a recording system in place of the real one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/display_ops.h"
#include "app/date_codec_win.h"
#include "framework/app.h"
#include "framework/registry_store.h"
#include "framework/win_text.h"
#include "resources/resource.h"
#include "schedule/idle_timers.h"
#include "schedule/local_time_win.h"
#include "shell/main_frame.h"
#include "shell/messages.h"
#include "shell/umbrix_view.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

using Lines = std::vector<std::wstring>;

const std::wstring kPrivilege = L"AdjustTokenPrivileges \"SeShutdownPrivilege\"";
const wchar_t kConfirmCaption[] = L"Umbrix - Confirmation Dialog";

class Dispatcher : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
        // No tray icon: removing the last one from Wine's tray takes 2 s.
        AfxProfile().WriteInt(kSettingsSection, L"SysTray", 0);
        ASSERT_TRUE(m_frame.Create());
        AfxGetApp()->m_pMainWnd = &m_frame;
        m_system.ClearRequests();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    std::wstring DisplayOff() const { return DisplaySend(2); }
    std::wstring DisplaySend(int state) const
    {
        return L"SendMessageW " + std::to_wstring(reinterpret_cast<INT_PTR>(m_frame.GetSafeHwnd())) + L" 274 61808 " +
               std::to_wstring(state);
    }
    bool FrameVisible() const { return IsWindowVisible(m_frame.GetSafeHwnd()) != FALSE; }
    LRESULT Command(UINT id) { return SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, id, 0); }

    // Runs `action` while a script answers the message box or dialog with
    // `caption` by pressing `button`; returns the text it showed.
    std::wstring Answer(const std::wstring& caption, int button, const std::function<void()>& action)
    {
        std::wstring text;
        CModalScript script;
        script.Then([&] {
            HWND box = FindThreadDialog(caption);
            if (!box) return false;
            text = GetDlgItem(box, 0xFFFF) ? MessageBoxText(box) : ControlText(box, IDC_CONFIRM_MESSAGE);
            PostClick(box, button);
            return true;
        });
        script.Start();
        action();
        EXPECT_TRUE(script.Finished());
        return text;
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
    CMainFrame m_frame;
};

TEST_F(Dispatcher, PowerEntriesRequestTheCatalogueFlags)
{
    const struct {
        int number;
        Lines requests;
    } cases[] = {
        {1, {kPrivilege, L"ExitWindowsEx 1 0"}},
        {2, {kPrivilege, L"ExitWindowsEx 5 0"}},
        {3, {kPrivilege, L"ExitWindowsEx 0 0"}},
        {4, {kPrivilege, L"ExitWindowsEx 4 0"}},
        {5, {kPrivilege, L"ExitWindowsEx 2 0"}},
        {6, {kPrivilege, L"ExitWindowsEx 6 0"}},
        {10, {kPrivilege, L"SetSystemPowerState 1 1"}},
        {11, {kPrivilege, L"SetSuspendState 1 0 0"}},  // Wine reports a Vista-or-later system
        {17, {L"SetSuspendState 0 0 0"}},              // no privilege step for suspend
    };
    for (const auto& c : cases) {
        m_system.ClearRequests();
        m_frame.RunAction(c.number);
        EXPECT_EQ(m_system.Requests(), c.requests) << "action " << c.number;
        EXPECT_FALSE(m_frame.m_confirmFirst);
    }
    EXPECT_FALSE(FrameVisible());
}

TEST_F(Dispatcher, MenuPowerCommandsRequestTheSameFlagsWithoutAsking)
{
    m_frame.RunAction(1000);  // leaves m_confirmFirst set; the menu commands ignore it
    const struct {
        UINT command;
        std::wstring request;
    } cases[] = {
        {ID_POWER_SHUTDOWN, L"ExitWindowsEx 1 0"},       {ID_POWER_RESTART, L"ExitWindowsEx 2 0"},
        {ID_POWER_LOGOFF, L"ExitWindowsEx 0 0"},         {ID_POWER_STANDBY, L"SetSystemPowerState 1 1"},
        {ID_POWER_HIBERNATE, L"SetSuspendState 1 0 0"},  {ID_POWER_BRUTE_SHUTDOWN, L"ExitWindowsEx 5 0"},
        {ID_POWER_BRUTE_RESTART, L"ExitWindowsEx 6 0"},  {ID_POWER_BRUTE_LOGOFF, L"ExitWindowsEx 4 0"},
    };
    for (const auto& c : cases) {
        m_system.ClearRequests();
        Command(c.command);
        EXPECT_EQ(m_system.Requests(), (Lines{kPrivilege, c.request})) << "command " << c.command;
    }
    EXPECT_TRUE(m_frame.m_confirmFirst);
}

TEST_F(Dispatcher, NumbersThatNameNoActionShowTheSettingsWindow)
{
    for (int number : {0, 22, 999, 1000, 1022, 2009, -2}) {
        m_frame.ShowWindow(SW_HIDE);
        m_frame.RunAction(number);
        EXPECT_TRUE(FrameVisible()) << number;
        EXPECT_EQ(m_frame.m_confirmFirst, number >= 1000) << number;
    }
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(Dispatcher, MinusOneDoesNothingAtAll)
{
    SendMessageW(m_frame.GetSafeHwnd(), UM_RUN_ACTION, static_cast<WPARAM>(-1), -1);
    EXPECT_FALSE(FrameVisible());
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(Dispatcher, ThousandAddedAsksFirstAndActsOnlyOnOk)
{
    const std::wstring asked = Answer(kConfirmCaption, IDCANCEL, [&] { m_frame.RunAction(1002); });
    EXPECT_EQ(asked, L"Action ShutDown Computer (Brute) would be performed after 15 seconds.");
    EXPECT_TRUE(m_system.Requests().empty());

    Answer(kConfirmCaption, IDOK, [&] { m_frame.RunAction(1002); });
    EXPECT_EQ(m_system.Requests(), (Lines{kPrivilege, L"ExitWindowsEx 5 0"}));
}

TEST_F(Dispatcher, SuspendCommandAsksOnlyAfterAConfirmedDispatch)
{
    // Asks itself (its own operation decides); OK is what the countdown's end gives.
    Answer(kConfirmCaption, IDOK, [&] { m_frame.RunAction(1007); });
    const std::wstring asked = Answer(kConfirmCaption, IDCANCEL, [&] { Command(ID_POWER_SUSPEND); });
    EXPECT_EQ(asked, L"Action Suspend Computer would be performed after 15 seconds.");
    EXPECT_TRUE(m_system.Requests().empty());

    m_frame.RunAction(7);
    Command(ID_POWER_SUSPEND);
    EXPECT_EQ(m_system.Requests(), (Lines{L"SetSuspendState 0 0 0"}));
}

TEST_F(Dispatcher, RefusedPrivilegeIsReportedAndTheRequestStillMade)
{
    m_system.m_privilegeError = ERROR_NOT_ALL_ASSIGNED;
    const std::wstring shown = Answer(L"Umbrix", IDOK, [&] { m_frame.RunAction(5); });
    EXPECT_EQ(shown, L"AdjustTokenPrivileges enable failed.");
    EXPECT_EQ(m_system.Requests(), (Lines{kPrivilege, L"ExitWindowsEx 2 0"}));
}

TEST_F(Dispatcher, MonitorOffLiftsAnyBlockAndSwitchesTheFrameOff)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(SendMessageW(m_frame.GetSafeHwnd(), UM_MONITOR_OFF, 0, 0), 1);
    EXPECT_GE(GetTickCount() - start, 1500u);
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", DisplayOff()}));

    m_system.ClearRequests();
    m_frame.RunAction(12);
    EXPECT_EQ(m_system.Requests(), (Lines{DisplaySend(-1), L"SetThreadExecutionState 2"}));
}

TEST_F(Dispatcher, WithoutWakeByMouseInputIsBlockedAfterTheLift)
{
    AfxProfile().WriteInt(kSettingsSection, L"AllowWakeUpWithMouse", 0);
    m_frame.RunAction(9);
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", L"BlockInput 1", DisplayOff()}));
}

TEST_F(Dispatcher, LockAndMonitorOffLocksFirstAndStopsWhenRefused)
{
    m_frame.RunAction(14);
    EXPECT_EQ(m_system.Requests(), (Lines{L"LockWorkStation", L"BlockInput 0", DisplayOff()}));

    m_system.ClearRequests();
    m_system.m_lockResult = 0;
    const std::wstring shown = Answer(L"Umbrix", IDOK, [&] { m_frame.RunAction(14); });
    EXPECT_EQ(shown, L"Could not Lock the WorkStation. Action Aborted");
    EXPECT_EQ(m_system.Requests(), (Lines{L"LockWorkStation"}));
}

TEST_F(Dispatcher, MissingPasswordCompanionKeepsTheDisplayOnAndNeverLeavesInputBlocked)
{
    AfxProfile().WriteInt(kSettingsSection, L"EnableSellory", 1);
    AfxProfile().WriteInt(kSettingsSection, L"AllowWakeUpWithMouse", 0);
    const std::wstring shown = Answer(L"Umbrix", IDOK, [&] { m_frame.RunAction(9); });
    EXPECT_EQ(shown,
              L"Could not protect screen with password.\nEither disable password protection or re-install the "
              L"application or write to support team about that.\nAborting Action for now.");
    // The block is lifted before the message, not left for Ctrl+Alt+Del.
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", L"BlockInput 1", L"BlockInput 0"}));
}

// Sets (or, with nullptr, removes) the per-user screen-saver value for one
// test and puts the old state back afterwards.
class CScreenSaverValue {
public:
    explicit CScreenSaverValue(const wchar_t* value)
    {
        m_key.Create(HKEY_CURRENT_USER, L"Control Panel\\Desktop", KEY_READ | KEY_WRITE);
        m_had = m_key.QueryString(L"SCRNSAVE.EXE", m_old);
        Set(value);
    }
    ~CScreenSaverValue() { Set(m_had ? m_old.c_str() : nullptr); }

private:
    void Set(const wchar_t* value)
    {
        if (!value) {
            RegDeleteValueW(m_key.Get(), L"SCRNSAVE.EXE");
            return;
        }
        RegSetValueExW(m_key.Get(), L"SCRNSAVE.EXE", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    }

    CRegKey m_key;
    bool m_had = false;
    std::wstring m_old;
};

TEST_F(Dispatcher, ScreenSaverStartsTheStoredFileAndEmptyMeansNothingVisible)
{
    {
        CScreenSaverValue value(L"C:\\windows\\system32\\Mystify.scr");
        m_frame.RunAction(15);
    }
    {
        CScreenSaverValue value(L"");
        m_frame.RunAction(15);
    }
    EXPECT_EQ(m_system.Requests(),
              (Lines{L"ShellExecuteW \"Open\" \"C:\\windows\\system32\\Mystify.scr\" \"\""}));
}

TEST_F(Dispatcher, MissingScreenSaverOffersTheSettingsPageOnVista)
{
    CScreenSaverValue value(nullptr);
    const std::wstring asked = Answer(L"Umbrix", IDNO, [&] { m_frame.RunAction(15); });
    EXPECT_EQ(asked, L"It Seems Default ScreenSaver is not set in ScreenSaver Properties.\nWould you like to Open "
                     L"ScreenSaver Properties?");
    EXPECT_TRUE(m_system.Requests().empty());

    Answer(L"Umbrix", IDYES, [&] { m_frame.RunAction(15); });
    EXPECT_EQ(m_system.Requests(), (Lines{L"ShellExecuteW \"Open\" \"" + GetSystemDirectoryString() +
                                          L"\\control.exe\" \" desk.cpl,screensaver,@screensaver\""}));
}

TEST_F(Dispatcher, ScreenSaverAlertSpeaksTheStoredTextOnlyWhenOn)
{
    ScreenSaverAlert();
    AfxProfile().WriteString(kSettingsSection, L"AlertTextScr", L"Off we go");
    ScreenSaverAlert();
    AfxProfile().WriteInt(kSettingsSection, L"AlertScr", 0);
    ScreenSaverAlert();
    const auto spoken = m_system.Spoken();
    ASSERT_EQ(spoken.size(), 2u);
    EXPECT_EQ(spoken[0].text, L"Starting ScreenSaver Now");
    EXPECT_EQ(spoken[1].text, L"Off we go");
}

bool QuitWasPosted()
{
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST_F(Dispatcher, ExitWithoutHotKeysEndsAtOnceAndWithdrawsKeepAwake)
{
    // Only the low 16 bits hold a key; modifiers alone are no hot key.
    AfxProfile().WriteInt(kSettingsSection, L"LockKey", 0x30000);
    Command(ID_APP_EXIT_UMBRIX);
    EXPECT_TRUE(QuitWasPosted());
    EXPECT_EQ(m_system.Requests(), (Lines{L"SetThreadExecutionState 2147483648"}));
}

TEST_F(Dispatcher, ExitWithAHotKeyAsksAndNoKeepsTheProgramRunning)
{
    AfxProfile().WriteInt(kSettingsSection, L"Key", 0x20041);
    const std::wstring asked = Answer(L"Umbrix", IDNO, [&] { Command(ID_APP_EXIT_UMBRIX); });
    EXPECT_EQ(asked, L"Once you close the Application, Associated Hot Key to Umbrix or Lock and Umbrix will not "
                     L"work.\nDo you wish to continue?");
    EXPECT_FALSE(QuitWasPosted());
    EXPECT_TRUE(m_system.Requests().empty());

}

TEST_F(Dispatcher, ACancelledSessionEndKeepsRunningAndARealOneExitsWithoutAsking)
{
    AfxProfile().WriteInt(kSettingsSection, L"Key", 0x20041);
    SendMessageW(m_frame.GetSafeHwnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(QuitWasPosted());
    EXPECT_TRUE(m_system.Requests().empty());

    EXPECT_FALSE(DialogShowedDuring(L"Umbrix", [&] { SendMessageW(m_frame.GetSafeHwnd(), WM_ENDSESSION, TRUE, 0); }));
    EXPECT_TRUE(QuitWasPosted());
    EXPECT_EQ(m_system.Requests(), (Lines{L"SetThreadExecutionState 2147483648"}));
}

// A failure message of the monitor-off must be answerable: the block is
// lifted before the box appears, not after it has been answered.
TEST_F(Dispatcher, AnInputBlockIsLiftedBeforeAFailureMessageAppears)
{
    AfxProfile().WriteInt(kSettingsSection, L"AllowWakeUpWithMouse", 0);
    struct Case {
        const char* what;
        int lock;
        bool passwordOn;
    };
    for (const Case& c : {Case{"lock refused", 1, false}, Case{"password companion missing", 0, true}}) {
        m_system.ClearRequests();
        m_system.m_lockResult = c.lock == 1 ? 0 : 1;
        AfxProfile().WriteInt(kSettingsSection, L"EnableSellory", c.passwordOn ? 1 : 0);
        Lines whileShown;
        CModalScript script;
        script.Then([&] {
            HWND box = FindThreadDialog(L"Umbrix");
            if (!box) return false;
            whileShown = m_system.Requests();
            PostClick(box, IDOK);
            return true;
        });
        script.Start();
        MonitorOff(c.lock);
        EXPECT_TRUE(script.Finished()) << c.what;
        ASSERT_FALSE(whileShown.empty()) << c.what;
        EXPECT_EQ(whileShown.back(), L"BlockInput 0") << c.what;
        EXPECT_EQ(m_system.Requests(), whileShown) << c.what << ": nothing more after the answer";
    }
}

// The 1-second tick's reading of the last input: this many milliseconds ago.
DWORD g_idleMs = 0;
BOOL WINAPI IdleForTest(PLASTINPUTINFO info)
{
    info->dwTime = GetTickCount() - g_idleMs;
    return TRUE;
}

// One tick in which the daily switch-off, the idle stand-by and the screen
// corner are all due: each runs, in the tick's order.
TEST_F(Dispatcher, SecondTickRunsDailyThenIdleActionsThenTheCorner)
{
    CUmbrixView& view = *m_frame.View();
    view.m_readLastInput = IdleForTest;
    const POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, 0};
    ASSERT_TRUE(SetCursorPos(corner.x, corner.y));
    AfxProfile().WriteInt(kSettingsSection, L"CursorLocationForAction", 1);
    AfxProfile().WriteInt(kSettingsSection, L"Do Action at Screen Corner", 1);
    AfxProfile().WriteString(kSettingsSection, L"Action at Screen Corner", L"Umbrix");
    // The first tick samples the cursor and an idle time of 0.
    g_idleMs = 0;
    SendMessageW(view.GetSafeHwnd(), WM_TIMER, kSecondTimer, 0);
    ASSERT_TRUE(m_system.Requests().empty());

    AfxProfile().WriteInt(kSettingsSection, L"Lock Daily", 1);
    AppSettings().SetDailyOffEnabled(1);
    AppSettings().SetDailyOffTime({LocalNowAsOleDate(), true});
    AppSettings().SetIdle(CAppSettings::Idle::Standby, {1, 0, 0});
    g_idleMs = 60500;
    SendMessageW(view.GetSafeHwnd(), WM_TIMER, kSecondTimer, 0);
    EXPECT_EQ(view.m_idleSeconds, 60u);
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", L"LockWorkStation", DisplayOff(), kPrivilege,
                                          L"SetSystemPowerState 1 1", L"BlockInput 0", DisplayOff()}));
}

TEST_F(Dispatcher, TimerThreeStartsTheIdleScreenSaver)
{
    CScreenSaverValue value(L"C:\\windows\\system32\\Mystify.scr");
    AfxProfile().WriteInt(kSettingsSection, L"EnableIdleUBXScr", 1);
    AfxProfile().WriteInt(kSettingsSection, L"IdleUBXMinsScr", 1);
    AfxProfile().WriteInt(kSettingsSection, L"AlertScr", 0);
    CUmbrixView& view = *m_frame.View();
    view.RearmIdleTimers();
    view.m_lastInput.dwTime = GetTickCount() - 90000;
    SendMessageW(view.GetSafeHwnd(), WM_TIMER, kIdleScrTimer, 0);
    EXPECT_EQ(view.m_idleScrFired, 1u);
    EXPECT_EQ(m_system.Requests(), (Lines{L"ShellExecuteW \"Open\" \"C:\\windows\\system32\\Mystify.scr\" \"\""}));
}

// The real privilege step, not the recording: under Wine it is harmless.
TEST(ShutdownPrivilege, IsEnabledOnTheProcessTokenAndReportedAsGranted)
{
    CSystemRequests real(L"");
    ASSERT_FALSE(real.Journaling());
    EXPECT_EQ(real.EnableShutdownPrivilege(), 0u);

    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    LUID shutdown{};
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown));
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    ASSERT_TRUE(GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size));
    CloseHandle(token);
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    bool enabled = false;
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
        if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
            enabled = (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    EXPECT_TRUE(enabled);
}

}  // namespace
