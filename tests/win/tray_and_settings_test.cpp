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

// Each item as "text id", "-" or "text >"; texts as stored, so "&&" (shown
// as one "&") stays doubled.
std::vector<std::wstring> MenuTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            texts.push_back(L"-");
        } else if (info.hSubMenu) {
            texts.push_back(std::wstring(text) + L" >");
        } else {
            texts.push_back(std::wstring(text) + L" " + std::to_wstring(info.wID));
        }
    }
    return texts;
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

TEST(TrayMenus, BothVariantsCarryEveryItemWithItsText)
{
    const Lines top316 = {L"Exit 32772", L"-", L"Shut Down etc... >", L"System Settings >", L"-",
                          L"Create Desktop Shortcut 32833", L"Umbrix Settings 32779", L"-",
                          L"When Cursor Reaches Corner of Screen.. 32794", L"-", L"Change Default ScreenSaver 32795",
                          L"Start Default ScreenSaver 32796", L"Start Default ScreenSaver if Computer Idle... 32797",
                          L"-", L"Vandric 32780", L"Pimbrook If Computer Idle... 32781",
                          L"Lock Keyboard And Lock Mouse 32798", L"Keyboard Shortcuts 32799", L"-",
                          L"Configure Computer Idle Actions 32840", L"Umbrix after... 32800",
                          L"Umbrix if Computer Idle... 32801", L"Umbrix Daily 32835", L"-", L"Lock && Umbrix 32803",
                          L"Umbrix 32804"};
    Lines top317 = top316;
    top317.insert(top317.begin() + 6, L"Dorvell 32838");
    const Lines power = {L"Shut Down 32783", L"Restart 32784", L"Log Off 32785", L"Stand by 32786",
                         L"Hibernate 32787", L"-", L"Brute ShutDown  32788", L"Brute Restart 32789",
                         L"Brute LogOff 32790", L"-", L"Close All IE Windows 32791", L"Toggle Use Proxy 32792",
                         L"Hangup Modem 32793"};
    Lines power317 = power;
    power317.insert(power317.begin(), L"Suspend 32812");
    const Lines system316 = {L"Add/Remove Program 32773", L"Display Properties 32774", L"Power Management 32775",
                             L"System Properties 32776", L"Sound Properties 32777",
                             L"Internet Explorer Properties 32778"};
    const Lines system317 = {L"Theme Settings 32805", L"Screen Saver Settings 32806", L"Desktop Background 32807",
                             L"Color Scheme 32808", L"Font Size && DPI 32809", L"-", L"Add/Remove Programs 32810",
                             L"-", L"Power Plan Settings 32811"};
    const struct {
        UINT id;
        const Lines* top;
        const Lines* power;
        const Lines* system;
    } menus[] = {{IDR_TRAY_MENU, &top316, &power, &system316}, {IDR_TRAY_MENU_VISTA, &top317, &power317, &system317}};
    for (const auto& m : menus) {
        HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m.id));
        ASSERT_NE(menu, nullptr);
        HMENU popup = GetSubMenu(menu, 0);
        EXPECT_EQ(MenuTexts(popup), *m.top) << m.id;
        EXPECT_EQ(MenuTexts(GetSubMenu(popup, 2)), *m.power) << m.id;
        EXPECT_EQ(MenuTexts(GetSubMenu(popup, 3)), *m.system) << m.id;
        DestroyMenu(menu);
    }
}

TEST_F(TrayAndSettings, FreshSettingsGiveIconVistaMenuAndMonitorOffInBold)
{
    Start();
    EXPECT_TRUE(View().m_iconPresent);
    EXPECT_TRUE(HasIcon());
    EXPECT_EQ(IsDlgButtonChecked(ViewHwnd(), IDC_FORM_SHOW_TRAY_ICON), static_cast<UINT>(BST_CHECKED));
    ASSERT_NE(View().TrayMenu(), nullptr);
    // Wine reports a Vista-or-later system: menu 317, with "Dorvell".
    EXPECT_NE(GetMenuState(View().TrayMenu(), ID_LAUNCH_DORVELL, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(ID_MONITOR_OFF));
    EXPECT_EQ(View().TrayTip(), L"Umbrix");
}

TEST_F(TrayAndSettings, WithoutSysTrayThereIsNoIconAndNoMenu)
{
    Profile().WriteInt(kSettingsSection, L"SysTray", 0);
    Start();
    EXPECT_FALSE(View().m_iconPresent);
    EXPECT_FALSE(HasIcon());
    EXPECT_EQ(View().TrayMenu(), nullptr);
    EXPECT_EQ(IsDlgButtonChecked(ViewHwnd(), IDC_FORM_SHOW_TRAY_ICON), static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(TrayAndSettings, GesturesRunTheirCommands)
{
    Start();
    const std::wstring displayOff =
        L"SendMessageW " + std::to_wstring(reinterpret_cast<INT_PTR>(m_frame.GetSafeHwnd())) + L" 274 61808 2";
    TrayMouse(WM_LBUTTONDBLCLK);
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", displayOff}));

    m_system.ClearRequests();
    TrayMouse(WM_LBUTTONUP);
    TrayMouse(WM_RBUTTONDBLCLK);
    TrayMouse(WM_MOUSEMOVE);
    EXPECT_TRUE(m_system.Requests().empty());

    // A command of the view itself, and one only the frame handles.
    Profile().WriteInt(kSettingsSection, L"Right Button Click Action", 32783);
    TrayMouse(WM_RBUTTONUP);
    EXPECT_EQ(m_system.Requests(), (Lines{kPrivilege, L"ExitWindowsEx 1 0"}));
    m_system.ClearRequests();
    Profile().WriteInt(kSettingsSection, L"Left Button Click Action", ID_POWER_SUSPEND);
    TrayMouse(WM_LBUTTONUP);
    EXPECT_EQ(m_system.Requests(), Lines{L"SetSuspendState 0 0 0"});
    m_system.ClearRequests();
    Profile().WriteInt(kSettingsSection, L"Right Button Double Click Action", 0);
    TrayMouse(WM_RBUTTONDBLCLK);
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(TrayAndSettings, RightClickAndCommand310OpenTheMenuAtTheCursor)
{
    Start();
    for (bool byCommand : {false, true}) {
        bool shown = false;
        CModalScript script;
        script.Then([&] {
            HWND menu = FindWindowW(L"#32768", nullptr);
            if (!menu || !IsWindowVisible(menu)) return false;
            shown = true;
            EndMenu();
            return true;
        });
        script.Start();
        if (byCommand)
            SendMessageW(ViewHwnd(), WM_COMMAND, ID_TRAY_SHOW_MENU, 0);
        else
            TrayMouse(WM_RBUTTONUP);
        EXPECT_TRUE(shown) << byCommand;
    }
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(TrayAndSettings, StoredClickActionsFillTheListsAndSetTheDefaultItem)
{
    Profile().WriteInt(kSettingsSection, L"Left Button Click Action", 310);
    Profile().WriteInt(kSettingsSection, L"Right Button Click Action", 4711);  // written by hand
    Profile().WriteInt(kSettingsSection, L"Left Button Double Click Action", 32803);
    Start();
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LEFT_CLICK), CB_GETCOUNT, 0, 0), 14);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LEFT_CLICK), CB_GETCURSEL, 0, 0), 13);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_RIGHT_CLICK), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LEFT_DOUBLE_CLICK), CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_RIGHT_DOUBLE_CLICK), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(ID_LOCK_AND_MONITOR_OFF));

    // Save: the empty list stores -1, the left double click clears the left click.
    AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(Stored(L"Left Button Click Action"), 0);
    EXPECT_EQ(Stored(L"Right Button Click Action"), -1);
    EXPECT_EQ(Stored(L"Left Button Double Click Action"), 32803);

    // "Display System Tray Menu" for the double click: no item is bold.
    SendMessageW(Item(IDC_FORM_LEFT_DOUBLE_CLICK), CB_SETCURSEL, 13, 0);
    AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(-1));

    Click(IDC_FORM_RESET_ACTIONS);
    for (const wchar_t* name : {L"Left Button Click Action", L"Right Button Click Action",
                                L"Left Button Double Click Action", L"Right Button Double Click Action"})
        EXPECT_EQ(Stored(name), -1) << name;
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_LEFT_DOUBLE_CLICK), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(DefaultItem(), static_cast<UINT>(ID_MONITOR_OFF));
}

TEST_F(TrayAndSettings, TooltipListsTheActiveTriggersAndSetsTheThresholds)
{
    Profile().WriteInt(kSettingsSection, L"EnableIdleUBX", 1);
    Profile().WriteInt(kSettingsSection, L"IdleUBXMins", 3);
    Start();
    EXPECT_EQ(View().TrayTip(), L"Umbrix\nMonitor Would be Turned Off after 3 Idle Minutes");
    EXPECT_EQ(View().m_idleOffThresholdMs, 180000u);
    EXPECT_EQ(View().m_idleScrThresholdMs, 0xFFFFFFFFu);
}

TEST_F(TrayAndSettings, IconComesBackWhenTheShellRestarts)
{
    Profile().WriteInt(kSettingsSection, L"KeepSystemActive", 1);
    Start();
    const std::wstring tip = View().TrayTip();
    EXPECT_EQ(tip, L"Umbrix\nSystem Will be Kept Active");
    DeleteIconBehindTheViewsBack(ViewHwnd());
    ASSERT_FALSE(HasIcon());
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(HasIcon());
    EXPECT_TRUE(View().m_iconPresent);
    EXPECT_EQ(View().TrayTip(), tip);
}

TEST_F(TrayAndSettings, ShellStartingLateGetsTheIconOnlyIfTheUserWantsIt)
{
    Start();
    View().RemoveTrayIcon();  // as if the shell had refused it at start-up
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(HasIcon());

    View().RemoveTrayIcon();
    Profile().WriteInt(kSettingsSection, L"SysTray", 0);
    SendMessageW(m_frame.GetSafeHwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_FALSE(HasIcon());
    EXPECT_FALSE(View().m_iconPresent);
}

TEST_F(TrayAndSettings, ShowIconBoxActsOnItsOwnNewState)
{
    Start();
    Click(IDC_FORM_SHOW_TRAY_ICON);  // unticks
    EXPECT_EQ(Stored(L"SysTray"), 0);
    EXPECT_FALSE(HasIcon());
    Click(IDC_FORM_SHOW_TRAY_ICON);  // ticks
    EXPECT_EQ(Stored(L"SysTray"), 1);
    EXPECT_TRUE(HasIcon());

    // Ticked but without icon (the shell refused it): unticking adds none.
    View().RemoveTrayIcon();
    Click(IDC_FORM_SHOW_TRAY_ICON);
    EXPECT_EQ(Stored(L"SysTray"), 0);
    EXPECT_FALSE(HasIcon());
    EXPECT_FALSE(View().m_iconPresent);
}

TEST_F(TrayAndSettings, ClearIconFileForgetsItAndRecreatesTheIcon)
{
    Profile().WriteString(kSettingsSection, L"SystemTrayIconFile", L"C:\\no such folder\\missing.ico");
    Start();
    EXPECT_TRUE(HasIcon());  // a file that does not load gives the built-in icon
    EXPECT_EQ(ControlText(ViewHwnd(), IDC_FORM_TRAY_ICON_FILE), L"C:\\no such folder\\missing.ico");
    Click(IDC_FORM_SHOW_TRAY_ICON);
    ASSERT_FALSE(HasIcon());
    Click(IDC_FORM_TRAY_ICON_CLEAR);
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"SystemTrayIconFile", L"x"), L"");
    EXPECT_EQ(ControlText(ViewHwnd(), IDC_FORM_TRAY_ICON_FILE), L"");
    EXPECT_TRUE(View().m_trayIconFile.empty());
    EXPECT_TRUE(HasIcon());  // even with the box unticked
}

TEST_F(TrayAndSettings, ChangeStoresAnExtendedKeyWithoutTheWindowsKey)
{
    Start();
    SetHotKeyField(IDC_FORM_HOTKEY, VK_UP, HOTKEYF_CONTROL | HOTKEYF_EXT);
    EXPECT_EQ(AnswerBoxes([&] { Click(IDC_FORM_HOTKEY_CHANGE); }), Lines{L"Changes have been Saved."});
    EXPECT_EQ(Stored(L"Key"), VK_UP);
    EXPECT_EQ(Stored(L"Mod"), MOD_CONTROL);
    // Registered as Ctrl+Up: the combination is taken now.
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL, VK_UP));
    EXPECT_TRUE(RegisterHotKey(nullptr, 78, MOD_CONTROL | MOD_WIN, VK_UP));
    UnregisterHotKey(nullptr, 78);

    // An empty field asks for a key and changes nothing.
    SetHotKeyField(IDC_FORM_LOCK_HOTKEY, 0, 0);
    EXPECT_EQ(AnswerBoxes([&] { Click(IDC_FORM_LOCK_HOTKEY_CHANGE); }),
              Lines{L"Please Click on the Edit Box & Press Hot Key to Change the Key"});
    EXPECT_EQ(Stored(L"LockKey"), -99);

    // The same combination for the second hot key is refused by the system.
    SetHotKeyField(IDC_FORM_LOCK_HOTKEY, VK_UP, HOTKEYF_CONTROL | HOTKEYF_EXT);
    EXPECT_EQ(AnswerBoxes([&] { Click(IDC_FORM_LOCK_HOTKEY_CHANGE); }),
              (Lines{L"Changes have been Saved.", L"Could not Register Hot Key for Lock Computer and Umbrix"}));
    EXPECT_EQ(Stored(L"LockKey"), VK_UP);

    Click(IDC_FORM_HOTKEY_CLEAR);
    EXPECT_EQ(Stored(L"Key"), 0);
    EXPECT_EQ(Stored(L"Mod"), 0);
    EXPECT_EQ(SendMessageW(Item(IDC_FORM_HOTKEY), HKM_GETHOTKEY, 0, 0), 0);
    EXPECT_TRUE(RegisterHotKey(nullptr, 77, MOD_CONTROL, VK_UP));
    UnregisterHotKey(nullptr, 77);
}

TEST_F(TrayAndSettings, StoredHotKeysAreShownAndSwappedOnSave)
{
    Profile().WriteInt(kSettingsSection, L"Key", VK_F9);
    Profile().WriteInt(kSettingsSection, L"Mod", MOD_CONTROL | MOD_ALT);
    Profile().WriteInt(kSettingsSection, L"LockKey", VK_HOME);
    Profile().WriteInt(kSettingsSection, L"LockMod", MOD_SHIFT | MOD_WIN);
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
    EXPECT_EQ(Stored(L"Mod"), MOD_SHIFT);
    EXPECT_EQ(Stored(L"LockKey"), VK_F9);
    EXPECT_EQ(Stored(L"LockMod"), MOD_CONTROL | MOD_ALT);
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_SHIFT, VK_HOME));
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_F9));
}

TEST_F(TrayAndSettings, SaveWritesEveryFieldAndKeepsAwake)
{
    Start();
    CheckDlgButton(ViewHwnd(), IDC_FORM_HOTKEY_CONFIRM, BST_CHECKED);
    SetDlgItemTextW(ViewHwnd(), IDC_FORM_HOTKEY_SECONDS, L"7");
    CheckDlgButton(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_CONFIRM, BST_CHECKED);
    SetDlgItemTextW(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_SECONDS, L"60");
    CheckDlgButton(ViewHwnd(), IDC_FORM_KEEP_ACTIVE, BST_CHECKED);
    CheckDlgButton(ViewHwnd(), IDC_FORM_VOICE_ALERT, BST_UNCHECKED);
    CheckDlgButton(ViewHwnd(), IDC_FORM_WAKE_WITH_MOUSE, BST_UNCHECKED);
    CheckDlgButton(ViewHwnd(), IDC_FORM_PASSWORD, BST_CHECKED);
    m_frame.ShowWindow(SW_SHOW);
    EXPECT_TRUE(AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); }).empty());
    EXPECT_EQ(Stored(L"HotKeyConfDisplay"), 1);
    EXPECT_EQ(Stored(L"HotKeyConfDuration"), 7);
    EXPECT_EQ(Stored(L"HotKeyConfDisplayLock"), 1);
    EXPECT_EQ(Stored(L"HotKeyConfDurationLock"), 60);
    EXPECT_EQ(Stored(L"KeepSystemActive"), 1);
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"SystemTrayIconFile", L"x"), L"");
    EXPECT_EQ(Stored(L"ConfirmationDialogVoiceAlert"), 0);
    EXPECT_EQ(Stored(L"AllowWakeUpWithMouse"), 0);
    EXPECT_EQ(Stored(L"EnableSellory"), 1);
    EXPECT_EQ(Stored(L"Key"), 0);
    EXPECT_EQ(m_system.Requests(), Lines{L"SetThreadExecutionState 2147483651"});
    EXPECT_EQ(View().TrayTip(), L"Umbrix\nSystem Will be Kept Active");
    EXPECT_FALSE(IsWindowVisible(m_frame.GetSafeHwnd()));

    // Unticked, Save withdraws the request at once.
    m_system.ClearRequests();
    CheckDlgButton(ViewHwnd(), IDC_FORM_KEEP_ACTIVE, BST_UNCHECKED);
    AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(m_system.Requests(), Lines{L"SetThreadExecutionState 2147483648"});
}

TEST_F(TrayAndSettings, OutOfRangeSecondsStopSaveAndCancelKeepsTheStore)
{
    Start();
    m_frame.ShowWindow(SW_SHOW);
    CheckDlgButton(ViewHwnd(), IDC_FORM_VOICE_ALERT, BST_UNCHECKED);
    SetDlgItemTextW(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_SECONDS, L"61");
    EXPECT_EQ(AnswerBoxes([&] { SendMessageW(ViewHwnd(), WM_COMMAND, IDOK, 0); }),
              Lines{L"Enter an integer between 1 and 60."});
    EXPECT_TRUE(IsWindowVisible(m_frame.GetSafeHwnd()));
    EXPECT_EQ(Stored(L"HotKeyConfDurationLock"), -99);
    EXPECT_EQ(Stored(L"ConfirmationDialogVoiceAlert"), 0);  // as set up, untouched

    SendMessageW(ViewHwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindowVisible(m_frame.GetSafeHwnd()));
    EXPECT_EQ(Stored(L"HotKeyConfDurationLock"), -99);
    EXPECT_TRUE(m_system.Requests().empty());

    // Opening again reloads the stored values.
    SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, ID_TRAY_SETTINGS, 0);
    EXPECT_TRUE(IsWindowVisible(m_frame.GetSafeHwnd()));
    EXPECT_EQ(ControlText(ViewHwnd(), IDC_FORM_LOCK_HOTKEY_SECONDS), L"1");
    EXPECT_EQ(IsDlgButtonChecked(ViewHwnd(), IDC_FORM_VOICE_ALERT), static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(TrayAndSettings, ConfirmationFieldsFollowTheirBoxes)
{
    Start();
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FORM_HOTKEY_SECONDS)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FORM_LOCK_HOTKEY_SECONDS_SPIN)));
    Click(IDC_FORM_HOTKEY_CONFIRM);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FORM_HOTKEY_SECONDS)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FORM_HOTKEY_SECONDS_SPIN)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FORM_LOCK_HOTKEY_SECONDS)));
    int low = 0, high = 0;
    SendMessageW(Item(IDC_FORM_HOTKEY_SECONDS_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 60);
}

TEST_F(TrayAndSettings, WarningsOfTheWakeAndPasswordBoxes)
{
    Start();
    const Lines wake = AnswerBoxes([&] { Click(IDC_FORM_WAKE_WITH_MOUSE); });  // unticks
    ASSERT_EQ(wake.size(), 1u);
    EXPECT_EQ(wake[0].rfind(L"This will prohibit Mouse from Turning Monitor ON", 0), 0u);
    EXPECT_TRUE(AnswerBoxes([&] { Click(IDC_FORM_WAKE_WITH_MOUSE); }).empty());  // ticks
    const Lines password = AnswerBoxes([&] { Click(IDC_FORM_PASSWORD); });     // ticks
    ASSERT_EQ(password.size(), 1u);
    EXPECT_NE(password[0].find(L"is Tamsk which"), std::wstring::npos);
    EXPECT_TRUE(AnswerBoxes([&] { Click(IDC_FORM_PASSWORD); }).empty());  // unticks
    EXPECT_EQ(Stored(L"EnableSellory"), -99);  // stored only by Save
}

TEST_F(TrayAndSettings, HotKeyPressAsksOnlyWhenConfigured)
{
    Start();
    const std::wstring displayOff =
        L"SendMessageW " + std::to_wstring(reinterpret_cast<INT_PTR>(m_frame.GetSafeHwnd())) + L" 274 61808 2";
    MSG press{};
    press.message = WM_HOTKEY;
    press.wParam = 2;
    EXPECT_TRUE(HandleHotKeyMessage(press));
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", L"LockWorkStation", displayOff}));

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

    MSG other{};
    other.message = WM_KEYDOWN;
    EXPECT_FALSE(HandleHotKeyMessage(other));
}
