// Vandric's main window: countdown ticks as real WM_TIMER messages, the Exit
// question, the messages of other programs, the tray option and the hot key.
// Requests go to a recording fake.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "framework/win_text.h"
#include "resources/vandric_resource.h"
#include "timer/hot_key_modifiers.h"
#include "timer/vandric_dlg.h"
#include "timer/vandric_messages.h"
#include "win/modal_script.h"
#include "win_vandric/recording_requests.h"

namespace {

using Lines = std::vector<std::wstring>;

const wchar_t kPrivilege[] = L"AdjustTokenPrivileges \"SeShutdownPrivilege\"";

class VandricMainWindow : public testing::Test {
protected:
    void SetUp() override { ResetVandricTestProfile(); }

    void Open()
    {
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

    std::wstring OwnDisplayOff() const
    {
        return L"SendMessageW " + std::to_wstring(reinterpret_cast<INT_PTR>(m_hwnd)) + L" 2";
    }

    CRecordingRequests m_requests;
    CRequestsOverride m_override{m_requests};
    CVandricDlg m_dlg;
    HWND m_hwnd = nullptr;
};

// Hot key `id` on this thread is free when it can be registered; frees it again.
bool CombinationFree(UINT modifiers, UINT key)
{
    if (!RegisterHotKey(nullptr, 0x3F00, modifiers, key)) return false;
    UnregisterHotKey(nullptr, 0x3F00);
    return true;
}

}  // namespace

TEST_F(VandricMainWindow, StartsHiddenWithTheTrayIconAndTheAboutItem)
{
    Open();
    EXPECT_FALSE(IsWindowVisible(m_hwnd));
    EXPECT_EQ(GetWindowTextString(m_hwnd), L"Settings - Vandric");
    EXPECT_TRUE(m_dlg.TrayPresent());
    EXPECT_FALSE(m_dlg.Tray().Hidden());
    EXPECT_EQ(m_dlg.Tray().Tip(), L"Vandric");
    EXPECT_EQ(IsDlgButtonChecked(m_hwnd, IDC_VANDRIC_SYSTRAY), static_cast<UINT>(BST_CHECKED));
    HMENU system = GetSystemMenu(m_hwnd, FALSE);
    wchar_t text[64] = {};
    GetMenuStringW(system, IDM_VANDRIC_ABOUTBOX, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&About Vandric...");
}

TEST_F(VandricMainWindow, CountdownShowsEverySecondAndRequestsAtTheTickAfterZero)
{
    const struct {
        const wchar_t* action;
        Lines requests;
    } cases[] = {
        {L"Restart(Brute)", {kPrivilege, L"ExitWindowsEx 6 0"}},
        {L"Log Off", {kPrivilege, L"ExitWindowsEx 0 0"}},
    };
    for (const auto& k : cases) {
        m_requests.m_requests.clear();
        Open();
        m_dlg.StartCountdown(1, k.action);
        Tick(1);
        EXPECT_EQ(m_dlg.Tray().Tip(), std::wstring(L"Vandric : 59 Seconds remaining\nto initiate ") + k.action);
        Tick(59);
        EXPECT_EQ(m_dlg.Tray().Tip(), std::wstring(L"Vandric : 0 Seconds remaining\nto initiate ") + k.action);
        EXPECT_TRUE(IsWindow(m_hwnd));
        EXPECT_TRUE(m_requests.m_requests.empty());
        Tick(1);
        EXPECT_EQ(m_requests.m_requests, k.requests) << k.action;
        EXPECT_FALSE(IsWindow(m_hwnd)) << "the program ends with its window";
        EXPECT_TRUE(TakeQuitMessage());
    }
}

TEST_F(VandricMainWindow, NewScheduleRestartsTheCount)
{
    Open();
    m_dlg.StartCountdown(2, L"Shutdown");
    Tick(100);
    m_dlg.StartCountdown(1, L"Restart");
    Tick(1);
    EXPECT_EQ(m_dlg.Tray().Tip(), L"Vandric : 59 Seconds remaining\nto initiate Restart");
}

// While the question is open the count runs out: Yes ends without a
// request, No requests at once; either way the window goes exactly once.
TEST_F(VandricMainWindow, ExitQuestionDecidesACountThatRanOutMeanwhile)
{
    const struct {
        int answer;
        bool runsOut;
        Lines requests;
        bool windowAfter;
    } cases[] = {
        {IDYES, true, {}, false},
        {IDNO, true, {kPrivilege, L"ExitWindowsEx 1 0"}, false},
        {IDNO, false, {}, true},
        {IDYES, false, {}, false},
    };
    for (const auto& k : cases) {
        m_requests.m_requests.clear();
        Open();
        m_dlg.StartCountdown(1, L"Shutdown");
        Tick(59);
        std::wstring question;
        bool aliveWhileAsking = false;
        HWND box = nullptr;
        CModalScript script;
        script.Then([&] { return (box = FindThreadDialog(L"Vandric")) != nullptr; }).Then([&] {
            question = MessageBoxText(box);
            if (k.runsOut) Tick(5);
            aliveWhileAsking = IsWindow(m_hwnd) != FALSE;
            PostClick(box, k.answer);
            return true;
        });
        script.Start();
        m_dlg.OnExit();
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(question,
                  L"Once you close the Application, any pending schedule will not be actioned.\nDo you wish to continue?");
        EXPECT_TRUE(aliveWhileAsking);
        EXPECT_EQ(m_requests.m_requests, k.requests) << k.answer << k.runsOut;
        EXPECT_EQ(IsWindow(m_hwnd) != FALSE, k.windowAfter) << k.answer << k.runsOut;
        if (k.windowAfter) {
            Tick(1);
            EXPECT_EQ(m_dlg.Tray().Tip(), L"Vandric : 0 Seconds remaining\nto initiate Shutdown") << "No keeps counting";
            m_dlg.Destroy();
        }
        TakeQuitMessage();
    }
}

TEST_F(VandricMainWindow, MonitorOffGoesToTheOwnWindowAndBroadcastsOnlyWithoutOne)
{
    Open();
    EXPECT_EQ(SendMessageW(m_hwnd, UM_POWER_MONITOR_OFF, 0, 0), 1);
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_MONITOR_OFF, 0);
    EXPECT_EQ(m_requests.m_requests, (Lines{OwnDisplayOff(), OwnDisplayOff()}));
    m_requests.m_requests.clear();
    AfxGetApp()->m_pMainWnd = nullptr;
    SwitchMonitorOff();
    EXPECT_EQ(m_requests.m_requests, (Lines{L"Broadcast 2 1000"}));
}

TEST_F(VandricMainWindow, ShowCloseAndLinks)
{
    Open();
    SendMessageW(m_hwnd, UM_SHOW_SETTINGS, 0, 0);
    EXPECT_TRUE(IsWindowVisible(m_hwnd));
    SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(m_hwnd));
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_SHOW, 0);
    EXPECT_TRUE(IsWindowVisible(m_hwnd));
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_CLOSE, 0);
    EXPECT_FALSE(IsWindowVisible(m_hwnd));
    EXPECT_TRUE(IsWindow(m_hwnd));
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_WEBSITE, 0);
    SendMessageW(m_hwnd, WM_COMMAND, ID_VANDRIC_SUPPORT, 0);
    EXPECT_EQ(m_requests.m_requests,
              (Lines{L"ShellExecuteW \"Open\" \"https://www.corvane.example/vandric/\"",
                     L"ShellExecuteW \"Open\" \"mailto:support@corvane.example\""}));
}

TEST_F(VandricMainWindow, TrayOptionHidesAtStartAndTogglesTheIcon)
{
    AfxProfile().WriteInt(kSettingsSection, L"SysTray", 0);
    Open();
    EXPECT_TRUE(m_dlg.Tray().Present());
    EXPECT_TRUE(m_dlg.Tray().Hidden());
    EXPECT_EQ(IsDlgButtonChecked(m_hwnd, IDC_VANDRIC_SYSTRAY), static_cast<UINT>(BST_UNCHECKED));
    SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_SYSTRAY, BM_CLICK, 0, 0);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"SysTray", -1), 1);
    EXPECT_FALSE(m_dlg.Tray().Hidden());
    SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_SYSTRAY, BM_CLICK, 0, 0);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"SysTray", -1), 0);
    EXPECT_TRUE(m_dlg.Tray().Hidden());
}

// Ctrl+Left carries the field's extended flag; it must take Ctrl+Left, not
// Ctrl+Win+Left.
TEST_F(VandricMainWindow, StoredHotKeyIsShownAndRegisteredWithoutTheWindowsKey)
{
    AfxProfile().WriteInt(kSettingsSection, L"Key", VK_LEFT);
    AfxProfile().WriteInt(kSettingsSection, L"Mod", kFieldExtended | kFieldControl);
    Open();
    EXPECT_EQ(SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_HOTKEY, HKM_GETHOTKEY, 0, 0),
              MAKEWORD(VK_LEFT, HOTKEYF_EXT | HOTKEYF_CONTROL));
    EXPECT_FALSE(CombinationFree(MOD_CONTROL, VK_LEFT));
    EXPECT_TRUE(CombinationFree(MOD_CONTROL | MOD_WIN, VK_LEFT));
}

TEST_F(VandricMainWindow, ChangeStoresRegistersAndHidesClearReleases)
{
    Open();
    ShowWindow(m_hwnd, SW_SHOW);
    std::wstring said;
    auto answerBox = [&] {
        HWND box = FindThreadDialog(L"Vandric");
        if (!box) return false;
        said = MessageBoxText(box);
        PostClick(box, IDOK);
        return true;
    };

    {  // an empty field only prompts
        CModalScript script;
        script.Then(answerBox);
        script.Start();
        SendMessageW(m_hwnd, WM_COMMAND, IDC_VANDRIC_CHANGE, 0);
        EXPECT_EQ(said, L"Please Click on the Edit Box & Press Hot Key to Change the Key");
        EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Key", -1), -1);
        EXPECT_TRUE(IsWindowVisible(m_hwnd));
    }
    SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_HOTKEY, HKM_SETHOTKEY, MAKEWORD(VK_F12, HOTKEYF_ALT), 0);
    {
        CModalScript script;
        script.Then(answerBox);
        script.Start();
        SendMessageW(m_hwnd, WM_COMMAND, IDC_VANDRIC_CHANGE, 0);
        EXPECT_FALSE(script.TimedOut());
    }
    EXPECT_EQ(said, L"Changes have been Saved.");
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Key", -1), VK_F12);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Mod", -1), static_cast<int>(kFieldAlt));
    EXPECT_FALSE(IsWindowVisible(m_hwnd));
    EXPECT_FALSE(CombinationFree(MOD_ALT, VK_F12));

    SendMessageW(m_hwnd, WM_COMMAND, IDC_VANDRIC_CLEAR, 0);
    EXPECT_TRUE(CombinationFree(MOD_ALT, VK_F12));
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Key", -1), 0);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"Mod", -1), 0);
    EXPECT_EQ(SendDlgItemMessageW(m_hwnd, IDC_VANDRIC_HOTKEY, HKM_GETHOTKEY, 0, 0), 0);
}

TEST_F(VandricMainWindow, TakenHotKeyIsReported)
{
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x3F01, MOD_ALT | MOD_SHIFT, VK_F11));
    AfxProfile().WriteInt(kSettingsSection, L"Key", VK_F11);
    AfxProfile().WriteInt(kSettingsSection, L"Mod", kFieldAlt | kFieldShift);
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
    RegisterStoredHotKey();
    UnregisterHotKey(nullptr, 0x3F01);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(said, L"Could not Register Hot Key for Power Monitor Off");
}
