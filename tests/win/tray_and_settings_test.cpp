// The tray icon, its menus and click actions, the hot-key fields and the
// settings form, on the real window and shell APIs with a recording system.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app.h"
#include "resources/resource.h"
#include "shell/hot_keys.h"
#include "shell/main_frame.h"
#include "shell/messages.h"
#include "shell/umbrix_view.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

using Lines = std::vector<std::wstring>;

const std::wstring kPrivilege = L"AdjustTokenPrivileges \"SeShutdownPrivilege\"";

// Whether the shell holds an icon of `owner` with our id (modifying a missing
// icon fails). The tip written is the one the view shows anyway.
bool ShellHasIcon(HWND owner, const std::wstring& tip)
{
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V3_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    tip.copy(data.szTip, tip.size() < 127 ? tip.size() : 127);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void DeleteIconBehindTheViewsBack(HWND owner)
{
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V3_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

// Dispatches what is queued (posted commands) for up to `ms`.
void Pump(DWORD ms = 200)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

class TrayAndSettings : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        Profile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        UnregisterHotKey(nullptr, 1);
        UnregisterHotKey(nullptr, 2);
    }
    void Start()
    {
        ASSERT_TRUE(m_frame.Create());
        AfxGetApp()->m_pMainWnd = &m_frame;
        m_system.ClearRequests();
    }

    static ISettingsStore& Profile() { return AfxProfile(); }
    static int Stored(const wchar_t* name, int def = -99) { return Profile().ReadInt(kSettingsSection, name, def); }
    CUmbrixView& View() { return *m_frame.View(); }
    HWND ViewHwnd() { return View().GetSafeHwnd(); }
    HWND Item(int id) { return GetDlgItem(ViewHwnd(), id); }
    bool HasIcon() { return ShellHasIcon(ViewHwnd(), View().TrayTip()); }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void TrayMouse(UINT mouseMessage)
    {
        SendMessageW(ViewHwnd(), UM_TRAY_NOTIFY, kTrayIconId, mouseMessage);
        Pump();
    }
    std::wstring DisplayOff()
    {
        return L"SendMessageW " + std::to_wstring(reinterpret_cast<INT_PTR>(m_frame.GetSafeHwnd())) + L" 274 61808 2";
    }
    UINT DefaultItem() { return GetMenuDefaultItem(GetSubMenu(View().TrayMenu(), 0), FALSE, 0); }
    void SetHotKeyField(int id, WORD key, WORD flags)
    {
        SendMessageW(Item(id), HKM_SETHOTKEY, MAKEWORD(key, flags), 0);
    }

    // Runs `action`, answering every "Umbrix" message box with OK; returns
    // their texts in order.
    Lines AnswerBoxes(const std::function<void()>& action)
    {
        Lines texts;
        HWND previous = nullptr;
        CModalScript script;
        script.Then([&] {
            HWND box = FindThreadDialog(L"Umbrix");
            if (box && box != previous) {
                previous = box;
                texts.push_back(MessageBoxText(box));
                PostClick(box, IDOK);
            }
            return false;
        });
        script.Start();
        action();
        Pump(300);
        return texts;
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
    CMainFrame m_frame;
};

}  // namespace

TEST_F(TrayAndSettings, IconAndMenuFollowSysTrayAndTheLeftDoubleClick)
{
    Profile().WriteInt(kSettingsSection, L"Left Button Click Action", 310);
    Profile().WriteInt(kSettingsSection, L"Right Button Click Action", 4711);  // written by hand
    Start();
    EXPECT_TRUE(View().m_iconPresent);
    EXPECT_TRUE(HasIcon());
    // Wine reports a Vista-or-later system: menu 317, with "Dorvell".
    EXPECT_NE(GetMenuState(View().TrayMenu(), ID_LAUNCH_DORVELL, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(ID_MONITOR_OFF));
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LEFT_CLICK), CB_GETCOUNT, 0, 0), 14);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LEFT_CLICK), CB_GETCURSEL, 0, 0), 13);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_RIGHT_CLICK), CB_GETCURSEL, 0, 0), CB_ERR);

    // Save: the empty list stores -1; a double-click action clears its single
    // click and moves the bold item ("Display System Tray Menu": none is bold).
    SendMessageW(Item(IDC_FORM_LEFT_DOUBLE_CLICK), CB_SETCURSEL, 13, 0);
    AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(Stored(L"Right Button Click Action"), -1);
    EXPECT_EQ(Stored(L"Left Button Click Action"), 0);
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(-1));
    Click(IDC_FORM_RESET_ACTIONS);
    EXPECT_EQ(Stored(L"Left Button Double Click Action"), -1);
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(ID_MONITOR_OFF));
}

TEST_F(TrayAndSettings, GesturesPostTheirCommandsToViewAndFrame)
{
    Start();
    TrayMouse(WM_LBUTTONDBLCLK);
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", DisplayOff()}));
    m_system.ClearRequests();
    TrayMouse(WM_LBUTTONUP);
    Profile().WriteInt(kSettingsSection, L"Right Button Double Click Action", ID_POWER_SUSPEND);  // the frame's
    TrayMouse(WM_RBUTTONDBLCLK);
    EXPECT_EQ(m_system.Requests(), Lines{L"SetSuspendState 0 0 0"});
}

TEST_F(TrayAndSettings, IconComesBackWhenTheShellRestarts)
{
    Profile().WriteInt(kSettingsSection, L"KeepSystemActive", 1);
    Start();
    EXPECT_EQ(View().TrayTip(), L"Umbrix\nSystem Will be Kept Active");
    DeleteIconBehindTheViewsBack(ViewHwnd());
    ASSERT_FALSE(HasIcon());
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(HasIcon());
    EXPECT_EQ(View().TrayTip(), L"Umbrix\nSystem Will be Kept Active");

    // A shell that starts after the program gets the icon if the user wants it.
    View().RemoveTrayIcon();
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(HasIcon());
    View().RemoveTrayIcon();
    Profile().WriteInt(kSettingsSection, L"SysTray", 0);
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_FALSE(HasIcon());
}

TEST_F(TrayAndSettings, TaskbarCreatedWhileTheShellHoldsTheIconKeepsItSoUntickingRemovesIt)
{
    Start();
    ASSERT_TRUE(HasIcon());
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(View().m_iconPresent);
    Click(IDC_FORM_SHOW_TRAY_ICON);  // unticks
    EXPECT_FALSE(HasIcon());
}

// The tray command (the welcome window posts it too) and a second start's
// request bring a minimised window back, in front; so does an action number
// that only shows the window.
TEST_F(TrayAndSettings, UmbrixSettingsRestoresAMinimisedWindow)
{
    Start();
    HWND frame = m_frame.GetSafeHwnd();
    const struct {
        HWND target;
        UINT message;
        WPARAM wParam;
    } requests[] = {{ViewHwnd(), WM_COMMAND, ID_TRAY_SETTINGS}, {frame, UM_SHOW_SETTINGS, 0}, {frame, UM_RUN_ACTION, 0}};
    for (const auto& r : requests) {
        ShowWindow(frame, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(frame));
        SendMessageW(r.target, r.message, r.wParam, 0);
        Pump();
        EXPECT_FALSE(IsIconic(frame)) << r.message;
        EXPECT_TRUE(IsWindowVisible(frame)) << r.message;
        if (r.message != UM_RUN_ACTION) {
            EXPECT_EQ(GetForegroundWindow(), frame) << r.message;
        }
    }
}

TEST_F(TrayAndSettings, ShowIconBoxActsOnItsNewStateAndClrRecreatesTheIcon)
{
    Profile().WriteString(kSettingsSection, L"SystemTrayIconFile", L"C:\\no such folder\\missing.ico");
    Start();
    EXPECT_TRUE(HasIcon());  // a file that does not load gives the built-in icon
    Click(IDC_FORM_SHOW_TRAY_ICON);  // unticks
    EXPECT_EQ(Stored(L"SysTray"), 0);
    EXPECT_FALSE(HasIcon());
    Click(IDC_FORM_TRAY_ICON_CLEAR);  // re-creates even unticked
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"SystemTrayIconFile", L"x"), L"");
    EXPECT_EQ(ControlText(ViewHwnd(), IDC_FORM_TRAY_ICON_FILE), L"");
    EXPECT_TRUE(HasIcon());
    Click(IDC_FORM_SHOW_TRAY_ICON);  // ticks while an icon is shown: nothing to do
    EXPECT_EQ(Stored(L"SysTray"), 1);
    EXPECT_TRUE(HasIcon());
    // Ticked without icon (the shell refused it): unticking adds none.
    View().RemoveTrayIcon();
    Click(IDC_FORM_SHOW_TRAY_ICON);
    EXPECT_FALSE(HasIcon());
}

TEST_F(TrayAndSettings, ChangeRegistersAnExtendedKeyWithoutTheWindowsKey)
{
    Start();
    SetHotKeyField(IDC_FORM_HOTKEY, VK_UP, HOTKEYF_CONTROL | HOTKEYF_EXT);
    EXPECT_EQ(AnswerBoxes([&] { Click(IDC_FORM_HOTKEY_CHANGE); }), Lines{L"Changes have been Saved."});
    EXPECT_EQ(Stored(L"Mod"), MOD_CONTROL);
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL, VK_UP));  // taken by us
    SetHotKeyField(IDC_FORM_LOCK_HOTKEY, VK_UP, HOTKEYF_CONTROL | HOTKEYF_EXT);
    EXPECT_EQ(AnswerBoxes([&] { Click(IDC_FORM_LOCK_HOTKEY_CHANGE); }),
              (Lines{L"Changes have been Saved.", L"Could not Register Hot Key for Lock Computer and Umbrix"}));
    Click(IDC_FORM_HOTKEY_CLEAR);
    EXPECT_EQ(Stored(L"Key"), 0);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_HOTKEY), HKM_GETHOTKEY, 0, 0), 0);
    EXPECT_TRUE(RegisterHotKey(nullptr, 77, MOD_CONTROL, VK_UP));
    UnregisterHotKey(nullptr, 77);
}

TEST_F(TrayAndSettings, StoredHotKeysAreShownAndSwappedOnSave)
{
    Profile().WriteInt(kSettingsSection, L"Key", VK_F9);
    Profile().WriteInt(kSettingsSection, L"Mod", MOD_CONTROL | MOD_ALT);
    Profile().WriteInt(kSettingsSection, L"LockKey", VK_HOME);
    Profile().WriteInt(kSettingsSection, L"LockMod", MOD_SHIFT);
    Start();
    RegisterStoredHotKeys(nullptr);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_HOTKEY), HKM_GETHOTKEY, 0, 0),
              MAKEWORD(VK_F9, HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LOCK_HOTKEY), HKM_GETHOTKEY, 0, 0),
              MAKEWORD(VK_HOME, HOTKEYF_SHIFT | HOTKEYF_EXT));
    SetHotKeyField(IDC_FORM_HOTKEY, VK_HOME, HOTKEYF_SHIFT | HOTKEYF_EXT);
    SetHotKeyField(IDC_FORM_LOCK_HOTKEY, VK_F9, HOTKEYF_CONTROL | HOTKEYF_ALT);
    EXPECT_TRUE(AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); }).empty());
    EXPECT_EQ(Stored(L"Key"), VK_HOME);
    EXPECT_EQ(Stored(L"LockMod"), MOD_CONTROL | MOD_ALT);
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_SHIFT, VK_HOME));
}

TEST_F(TrayAndSettings, SaveWritesTheFieldsOrStopsOnBadSecondsAndCancelStoresNothing)
{
    Start();
    m_frame.ShowWindow(SW_SHOW);
    SetDlgItemTextW(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_SECONDS, L"61");
    CheckDlgButton(ViewHwnd(), IDC_FORM_KEEP_ACTIVE, BST_CHECKED);
    EXPECT_EQ(AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); }),
              Lines{L"Enter an integer between 1 and 60."});
    EXPECT_TRUE(IsWindowVisible(m_frame.GetSafeHwnd()));
    EXPECT_EQ(Stored(L"KeepSystemActive"), -99);
    SendMessageW(ViewHwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindowVisible(m_frame.GetSafeHwnd()));
    EXPECT_EQ(Stored(L"KeepSystemActive"), -99);
    EXPECT_TRUE(m_system.Requests().empty());

    // Opening reloads the stored values, then Save writes them with the box.
    SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, ID_TRAY_SETTINGS, 0);
    EXPECT_EQ(ControlText(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_SECONDS), L"1");
    CheckDlgButton(ViewHwnd(), IDC_FORM_HOTKEY_CONFIRM, BST_CHECKED);
    SetDlgItemTextW(ViewHwnd(), IDC_FORM_HOTKEY_SECONDS, L"7");
    CheckDlgButton(ViewHwnd(), IDC_FORM_KEEP_ACTIVE, BST_CHECKED);
    EXPECT_TRUE(AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); }).empty());
    EXPECT_EQ(Stored(L"HotKeyConfDisplay"), 1);
    EXPECT_EQ(Stored(L"HotKeyConfDuration"), 7);
    EXPECT_EQ(Stored(L"HotKeyConfDurationLock"), 1);
    EXPECT_EQ(Stored(L"HotKeyConfDisplayLock"), 0);
    EXPECT_EQ(Stored(L"KeepSystemActive"), 1);
    EXPECT_EQ(Stored(L"ConfirmationDialogVoiceAlert"), 0);
    EXPECT_EQ(m_system.Requests(), Lines{L"SetThreadExecutionState 2147483651"});
    EXPECT_EQ(View().TrayTip(), L"Umbrix\nSystem Will be Kept Active");
    EXPECT_FALSE(IsWindowVisible(m_frame.GetSafeHwnd()));

    // The boxes the other way round: each value from its own box, and
    // keep-awake withdrawn (ES_CONTINUOUS alone).
    m_system.ClearRequests();
    SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, ID_TRAY_SETTINGS, 0);
    CheckDlgButton(ViewHwnd(), IDC_FORM_HOTKEY_CONFIRM, BST_UNCHECKED);
    CheckDlgButton(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_CONFIRM, BST_CHECKED);
    CheckDlgButton(ViewHwnd(), IDC_FORM_KEEP_ACTIVE, BST_UNCHECKED);
    EXPECT_TRUE(AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); }).empty());
    EXPECT_EQ(Stored(L"HotKeyConfDisplay"), 0);
    EXPECT_EQ(Stored(L"HotKeyConfDisplayLock"), 1);
    EXPECT_EQ(Stored(L"KeepSystemActive"), 0);
    EXPECT_EQ(m_system.Requests(), Lines{L"SetThreadExecutionState 2147483648"});
}

TEST_F(TrayAndSettings, HotKeyPressAsksOnlyWhenConfigured)
{
    Start();
    MSG press{};
    press.message = WM_HOTKEY;
    press.wParam = 2;
    EXPECT_TRUE(HandleHotKeyMessage(press));
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", L"LockWorkStation", DisplayOff()}));

    m_system.ClearRequests();
    Profile().WriteInt(kSettingsSection, L"HotKeyConfDisplayLock", 1);
    Profile().WriteInt(kSettingsSection, L"HotKeyConfDurationLock", 5);
    std::wstring asked;
    CModalScript script;
    script.Then([&] {
        HWND box = FindThreadDialog(L"Umbrix - Confirmation Dialog");
        if (!box) return false;
        asked = ControlText(box, 1021);
        PostClick(box, IDCANCEL);
        return true;
    });
    script.Start();
    EXPECT_TRUE(HandleHotKeyMessage(press));
    EXPECT_EQ(asked, L"Action Umbrix and Lock Computer would be performed after 5 seconds.");
    EXPECT_TRUE(m_system.Requests().empty());
}
