// Vandric's main window: the Exit question against real ticks, where the
// display command goes, the tray option and the hot-key buttons. Requests
// go to a recording fake.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "resources/vandric_resource.h"
#include "timer/vandric_dlg.h"
#include "timer/vandric_messages.h"
#include "win/modal_script.h"
#include "win_vandric/recording_requests.h"

namespace {

using Lines = std::vector<std::wstring>;

class VandricMainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ResetVandricTestProfile();
        // The warning window shares the question's caption "Vandric"; the
        // tests that want it switch it on.
        AfxProfile().WriteInt(kSettingsSection, L"Warnings", 0);
        ASSERT_TRUE(m_dlg.Create());
        AfxGetApp()->m_pMainWnd = &m_dlg;
        m_hwnd = m_dlg.GetSafeHwnd();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_dlg.Destroy();
        TakeQuitMessage();
        UnregisterHotKey(nullptr, 1);
    }
    void Tick(int times)
    {
        for (int i = 0; i < times; ++i) SendMessageW(m_hwnd, WM_TIMER, 1, 0);
    }

    CRecordingRequests m_requests;
    CVandricDlg m_dlg;
    HWND m_hwnd = nullptr;
};

}  // namespace

// The count runs out while the question is open: Yes ends without a
// request, No requests at once; the window goes exactly once.
TEST_F(VandricMainWindow, ExitQuestionDecidesACountThatRanOutMeanwhile)
{
    const struct {
        int answer;
        bool runsOut;
        Lines requests;
        bool windowAfter;
    } cases[] = {
        {IDNO, false, {}, true},
        {IDYES, true, {}, false},
        {IDNO, true, {L"privilege", L"ExitWindowsEx 1 0"}, false},
    };
    for (const auto& k : cases) {
        if (!IsWindow(m_hwnd)) SetUp();
        m_requests.m_lines.clear();
        m_dlg.StartCountdown(1, L"Shutdown");
        Tick(59);
        bool aliveWhileAsking = false;
        CModalScript script;
        script.Then([&] {
            HWND box = FindThreadDialog(L"Vandric");
            if (!box) return false;
            if (k.runsOut) Tick(5);
            aliveWhileAsking = IsWindow(m_hwnd) != FALSE;
            PostClick(box, k.answer);
            return true;
        });
        script.Start();
        m_dlg.OnExit();
        EXPECT_FALSE(script.TimedOut());
        EXPECT_TRUE(aliveWhileAsking) << k.answer << k.runsOut;
        EXPECT_EQ(m_requests.m_lines, k.requests) << k.answer << k.runsOut;
        EXPECT_EQ(IsWindow(m_hwnd) != FALSE, k.windowAfter) << k.answer << k.runsOut;
        if (k.windowAfter) {
            Tick(1);
            EXPECT_EQ(m_dlg.Tray().Tip(), L"Vandric : 0 Seconds remaining\nto initiate Shutdown") << "counting on";
        }
        TakeQuitMessage();
    }
}

// An installer closes Vandric the way the Restart Manager does, here while
// the Exit question is open and the count has run out: no request, no
// question answered, and nothing left behind.
TEST_F(VandricMainWindow, AnInstallerClosingItEndsWithoutTheScheduledRequest)
{
    AfxProfile().WriteInt(kSettingsSection, L"Key", VK_F8);
    AfxProfile().WriteInt(kSettingsSection, L"Mod", HOTKEYF_CONTROL | HOTKEYF_ALT);
    RegisterStoredHotKey();
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_F8)) << "the hot key is taken";
    ASSERT_TRUE(m_dlg.Tray().Present());
    m_dlg.StartCountdown(1, L"Shutdown");
    Tick(59);
    LRESULT agreed = 0;
    CModalScript script;
    script.Then([&] {
        if (!FindThreadDialog(L"Vandric")) return false;
        Tick(5);
        agreed = SendMessageW(m_hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP);
        SendMessageW(m_hwnd, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
        return true;
    });
    script.Start();
    m_dlg.OnExit();
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(agreed, TRUE);
    EXPECT_TRUE(m_requests.m_lines.empty());
    EXPECT_FALSE(IsWindow(m_hwnd));
    EXPECT_FALSE(m_dlg.Tray().Present()) << "the tray icon is gone";
    EXPECT_TRUE(TakeQuitMessage()) << "the program ends";
    EXPECT_TRUE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_F8)) << "the hot key is free";
    UnregisterHotKey(nullptr, 77);
}

TEST_F(VandricMainWindow, MonitorOffGoesToTheOwnWindowAndBroadcastsOnlyWithoutOne)
{
    EXPECT_EQ(SendMessageW(m_hwnd, UM_POWER_MONITOR_OFF, 0, 0), 1);
    AfxGetApp()->m_pMainWnd = nullptr;
    SwitchMonitorOff();
    EXPECT_EQ(m_requests.m_lines,
              (Lines{L"Send " + std::to_wstring(reinterpret_cast<INT_PTR>(m_hwnd)) + L" 2", L"Broadcast 2 1000"}));
}

TEST_F(VandricMainWindow, TrayOptionTogglesTheIconAndLinksOpen)
{
    SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_SYSTRAY, BM_CLICK, 0, 0);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"SysTray", -1), 0);
    EXPECT_TRUE(m_dlg.Tray().Hidden());
    SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_SYSTRAY, BM_CLICK, 0, 0);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"SysTray", -1), 1);
    EXPECT_FALSE(m_dlg.Tray().Hidden());
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_WEBSITE, 0);
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_SUPPORT, 0);
    EXPECT_EQ(m_requests.m_lines, (Lines{L"Open https://www.corvane.example/vandric/",
                                         L"Open mailto:support@corvane.example"}));
}

// At sign-in the shell may come after the program: its first add fails and
// the icon arrives with "TaskbarCreated". The shell is played here by an
// icon of the same window and number that is already there, so it refuses.
HHOOK g_cbtHook = nullptr;
HWND g_refusedOwner = nullptr;

LRESULT CALLBACK TakeTheIconsPlace(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && !g_refusedOwner) {
        g_refusedOwner = reinterpret_cast<HWND>(wParam);
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(data);
        data.hWnd = g_refusedOwner;
        data.uID = ID_VANDRIC_TRAY_ICON;
        Shell_NotifyIconW(NIM_ADD, &data);
    }
    return CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

TEST_F(VandricMainWindow, AnIconAddedOnlyWhenTheShellStartsFollowsTheTrayOption)
{
    for (const int sysTray : {1, 0}) {
        m_dlg.Destroy();
        TakeQuitMessage();
        AfxProfile().WriteInt(kSettingsSection, L"SysTray", sysTray);
        g_refusedOwner = nullptr;
        g_cbtHook = SetWindowsHookExW(WH_CBT, TakeTheIconsPlace, nullptr, GetCurrentThreadId());
        ASSERT_TRUE(m_dlg.Create());
        UnhookWindowsHookEx(g_cbtHook);
        m_hwnd = m_dlg.GetSafeHwnd();
        ASSERT_EQ(g_refusedOwner, m_hwnd);
        EXPECT_FALSE(m_dlg.Tray().Present());

        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(data);
        data.hWnd = m_hwnd;
        data.uID = ID_VANDRIC_TRAY_ICON;
        Shell_NotifyIconW(NIM_DELETE, &data);
        SendMessageW(m_hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        ASSERT_TRUE(m_dlg.Tray().Present());
        EXPECT_EQ(m_dlg.Tray().Hidden(), sysTray == 0);
        SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_SYSTRAY, BM_CLICK, 0, 0);
        EXPECT_EQ(m_dlg.Tray().Hidden(), sysTray == 1) << "the option acts on it";
    }
}

TEST_F(VandricMainWindow, ChangeStoresRegistersAndHidesClearReleases)
{
    ShowWindow(m_hwnd, SW_SHOW);
    SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_HOTKEY, HKM_SETHOTKEY, MAKEWORD(VK_F12, HOTKEYF_ALT), 0);
    std::wstring said;
    CModalScript script;
    script.Then([&] {
        HWND box = FindThreadDialog(L"Vandric");
        if (!box) return false;
        said = MessageBoxText(box);
        PostClick(box, IDOK);
        return true;
    });
    script.Start();
    SendMessageW(m_hwnd, WM_COMMAND, IDC_VANDRIC_CHANGE, 0);
    EXPECT_EQ(said, L"Changes have been Saved.");
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Key", -1), VK_F12);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Mod", -1), HOTKEYF_ALT);
    EXPECT_FALSE(IsWindowVisible(m_hwnd));
    EXPECT_FALSE(RegisterHotKey(nullptr, 9, MOD_ALT, VK_F12)) << "taken by Vandric";

    SendMessageW(m_hwnd, WM_COMMAND, IDC_VANDRIC_CLEAR, 0);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Key", -1), 0);
    EXPECT_EQ(SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_HOTKEY, HKM_GETHOTKEY, 0, 0), 0);
    EXPECT_TRUE(RegisterHotKey(nullptr, 9, MOD_ALT, VK_F12)) << "released";
    UnregisterHotKey(nullptr, 9);
}

// A second schedule accepted in the same process: the count starts again from
// its own minutes, and the display goes off only when its box is ticked.
TEST_F(VandricMainWindow, SecondScheduleRestartsTheCountAndHonoursTheMonitorOffBox)
{
    for (int monitorOff : {0, 1}) {
        if (!IsWindow(m_hwnd)) SetUp();
        m_requests.m_lines.clear();
        m_dlg.StartCountdown(1, L"Shutdown");
        Tick(30);
        AfxProfile().WriteString(kSettingsSection, L"Action", L"Log Off");
        AfxProfile().WriteInt(kSettingsSection, L"Duration", 2);
        AfxProfile().WriteInt(kSettingsSection, L"POM", monitorOff);
        CModalScript script;
        script.Then([&] {
            HWND dialog = FindThreadDialog(L"Schedule Action - Vandric");
            if (!dialog) return false;
            PostClick(dialog, IDOK);
            return true;
        });
        script.Start();
        SendMessageW(m_hwnd, UM_SCHEDULE, 0, 0);
        EXPECT_FALSE(script.TimedOut()) << monitorOff;
        Lines expected;
        if (monitorOff) expected.push_back(L"Send " + std::to_wstring(reinterpret_cast<INT_PTR>(m_hwnd)) + L" 2");
        EXPECT_EQ(m_requests.m_lines, expected) << monitorOff;
        Tick(115);
        EXPECT_EQ(m_requests.m_lines, expected) << monitorOff << ": two new minutes, not the old one";
        Tick(10);
        expected.insert(expected.end(), {L"privilege", L"ExitWindowsEx 0 0"});
        EXPECT_EQ(m_requests.m_lines, expected) << monitorOff;
        TakeQuitMessage();
    }
}

// The request to stay awake comes with each countdown and goes with every
// way it ends; a pause withdraws it until the countdown resumes.
TEST_F(VandricMainWindow, StayAwakeIsWithdrawnWheneverTheCountdownStops)
{
    const Lines held{L"awake"};
    const Lines heldThenWithdrawn{L"awake", L"release"};
    const Lines heldAgain{L"awake", L"release", L"awake"};
    using Act = std::function<void(CVandricDlg&, HWND)>;
    const struct {
        const char* way;
        Act act;
        Lines states;
        bool windowAfter;
    } cases[] = {
        {"runs out", [](CVandricDlg&, HWND h) { for (int i = 0; i < 61; ++i) SendMessageW(h, WM_TIMER, 1, 0); },
         heldThenWithdrawn, false},
        {"replaced", [](CVandricDlg& d, HWND) { d.StartCountdown(2, L"Restart"); }, heldAgain, true},
        {"paused", [](CVandricDlg& d, HWND) { d.OnTogglePause(); }, heldThenWithdrawn, true},
        {"resumed", [](CVandricDlg& d, HWND) { d.OnTogglePause(); d.OnTogglePause(); }, heldAgain, true},
        {"session end", [](CVandricDlg&, HWND h) { SendMessageW(h, WM_ENDSESSION, TRUE, 0); }, heldThenWithdrawn,
         false},
        {"cancelled",
         [](CVandricDlg&, HWND h) {
             EXPECT_EQ(SendMessageW(h, UM_CANCEL_COUNTDOWN, 0, 0), 1);
             MSG msg;
             while (PeekMessageW(&msg, h, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
         },
         heldThenWithdrawn, false},
        {"Exit",
         [](CVandricDlg& d, HWND) {
             CModalScript script;
             script.Then([] {
                 HWND box = FindThreadDialog(L"Vandric");
                 if (box) PostClick(box, IDYES);
                 return box != nullptr;
             });
             script.Start();
             d.OnExit();
         },
         heldThenWithdrawn, false},
    };
    for (const auto& k : cases) {
        CRecordingRequests requests;
        CVandricDlg dlg;
        ASSERT_TRUE(dlg.Create());
        AfxGetApp()->m_pMainWnd = &dlg;
        const HWND hwnd = dlg.GetSafeHwnd();
        dlg.StartCountdown(1, L"Shutdown");
        EXPECT_EQ(requests.m_states, held) << k.way;
        k.act(dlg, hwnd);
        EXPECT_EQ(requests.m_states, k.states) << k.way;
        EXPECT_EQ(IsWindow(hwnd) != FALSE, k.windowAfter) << k.way;
        EXPECT_EQ(TakeQuitMessage(), !k.windowAfter) << k.way;
        dlg.Destroy();
        TakeQuitMessage();
        AfxGetApp()->m_pMainWnd = &m_dlg;
    }
    EXPECT_EQ(SendMessageW(m_hwnd, UM_CANCEL_COUNTDOWN, 0, 0), 0) << "nothing to cancel before a schedule";
    m_dlg.StartCountdown(1, L"Shutdown");
    m_dlg.OnTogglePause();
    wchar_t text[64];
    GetMenuStringW(GetSubMenu(m_dlg.Tray().Menu(), 0), ID_VANDRIC_PAUSE, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Resume Countdown");
    EXPECT_EQ(m_dlg.Tray().Tip(), L"Vandric : Paused, 60 Seconds remaining\nto initiate Shutdown");
    Tick(200);
    EXPECT_TRUE(IsWindow(m_hwnd)) << "a paused countdown makes no request";
    EXPECT_TRUE(m_requests.m_lines.empty());
    m_requests.m_states.clear();
    m_dlg.Destroy();
    EXPECT_EQ(m_requests.m_states, Lines{}) << "nothing held while paused";
}
