#include "shell/umbrix_view.h"

#include <commctrl.h>

#include "actions/action_catalog.h"
#include "actions/display_ops.h"
#include "actions/power_ops.h"
#include "actions/system_ops.h"
#include "actions/system_requests.h"
#include "app/settings_store.h"
#include "dialogs/dlg_screen_saver.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/dlg_battery_alert.h"
#include "schedule/dlg_cursor_tracer.h"
#include "schedule/dlg_daily.h"
#include "shell/hot_keys.h"
#include "shell/launcher_commands.h"
#include "shell/launchers.h"
#include "shell/main_frame.h"
#include "shell/shortcut_file_win.h"

namespace {
constexpr EXECUTION_STATE kStayAwake = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;
}  // namespace

CUmbrixView::CUmbrixView(CMainFrame& frame)
    : CDialog(IDD_UMBRIX_FORM),
      m_frame(frame),
      m_hotKeyRegistrar(std::make_unique<CThreadHotKeyRegistrar>()),
      m_hotKeyNotices(std::make_unique<CHotKeyMessageBoxes>(&frame)),
      m_hotKeys(std::make_unique<CHotKeys>(AfxProfile(), *m_hotKeyRegistrar, *m_hotKeyNotices,
                                           SystemHasNoRepeatFlag()))
{
}

CUmbrixView::~CUmbrixView()
{
    // An icon must not outlive its window in the tray.
    if (m_iconPresent && IsWindow()) RemoveTrayIcon();
}

bool CUmbrixView::Create()
{
    return CreateModeless(m_frame.GetSafeHwnd());
}

bool CUmbrixView::OnInitDialog()
{
    // The framework's data exchange runs in OnInitialUpdate, after the
    // values are loaded.
    return false;
}

void CUmbrixView::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_FORM_HOTKEY_CONFIRM, m_hotKeyConfDisplay);
    dx.Text(IDC_FORM_HOTKEY_SECONDS, m_hotKeyConfDuration);
    dx.MinMaxInt(IDC_FORM_HOTKEY_SECONDS, m_hotKeyConfDuration, 1, 60);
    dx.Check(IDC_FORM_KEEP_ACTIVE, m_keepSystemActive);
    dx.Text(IDC_FORM_TRAY_ICON_FILE, m_trayIconFile);
    dx.Text(IDC_FORM_LOCK_HOTKEY_SECONDS, m_hotKeyConfDurationLock);
    dx.MinMaxInt(IDC_FORM_LOCK_HOTKEY_SECONDS, m_hotKeyConfDurationLock, 1, 60);
    dx.Check(IDC_FORM_LOCK_HOTKEY_CONFIRM, m_hotKeyConfDisplayLock);
    dx.Check(IDC_FORM_VOICE_ALERT, m_voiceAlert);
    dx.Check(IDC_FORM_WAKE_WITH_MOUSE, m_wakeWithMouse);
    dx.Check(IDC_FORM_PASSWORD, m_password);
}

void CUmbrixView::LoadFormValues()
{
    ISettingsStore& profile = AfxProfile();
    m_hotKeyConfDisplay = profile.ReadInt(kSettingsSection, L"HotKeyConfDisplay", 0);
    m_hotKeyConfDuration = profile.ReadInt(kSettingsSection, L"HotKeyConfDuration", 1);
    m_keepSystemActive = profile.ReadInt(kSettingsSection, L"KeepSystemActive", 0);
    m_trayIconFile = profile.ReadString(kSettingsSection, L"SystemTrayIconFile", L"");
    m_hotKeyConfDurationLock = profile.ReadInt(kSettingsSection, L"HotKeyConfDurationLock", 1);
    m_hotKeyConfDisplayLock = profile.ReadInt(kSettingsSection, L"HotKeyConfDisplayLock", 0);
    m_voiceAlert = profile.ReadInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 1);
    m_wakeWithMouse = profile.ReadInt(kSettingsSection, L"AllowWakeUpWithMouse", 1);
    m_password = profile.ReadInt(kSettingsSection, L"EnableSellory", 0);
}

void CUmbrixView::OnInitialUpdate()
{
    LoadFormValues();
    UpdateData(false);
    if (m_keepSystemActive) KeepAwake(true);
    StartTimerLoop();
    InitFormControls();
    EnableConfirmationFields();
    if (HWND holder = GetDlgItem(IDC_FORM_FOCUS_HOLDER))
        SetWindowPos(holder, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowStoredHotKey(HotKeyId::MonitorOff);
    ShowStoredHotKey(HotKeyId::LockAndMonitorOff);
    FillClickLists();
    const int sysTray = AfxProfile().ReadInt(kSettingsSection, L"SysTray", 1);
    CheckDlgButton(m_hWnd, IDC_FORM_SHOW_TRAY_ICON, sysTray == 1 ? BST_CHECKED : BST_UNCHECKED);
    if (sysTray == 1) CreateTrayIcon();
    AllowTaskbarCreated(m_frame.GetSafeHwnd());
    // Refreshes the tray tooltip as its first step.
    RearmIdleTimers();
    EnableWindow(GetDlgItem(IDC_FORM_WAKE_WITH_MOUSE), GetWindowsVersionClass() != kVersionClassVista);
    ShowWindow(SW_SHOW);
}

void CUmbrixView::OpenSettings()
{
    FillClickLists();
    LoadFormValues();
    UpdateData(false);
    EnableConfirmationFields();
    HWND frame = m_frame.GetSafeHwnd();
    // SW_SHOW leaves a minimised window on the taskbar, as if nothing happened.
    ::ShowWindow(frame, IsIconic(frame) ? SW_RESTORE : SW_SHOW);
    SetActiveWindow(frame);
    SetForegroundWindow(frame);
    SetFocus(frame);
}

void CUmbrixView::Hide(bool parkFocus)
{
    if (parkFocus)
        if (HWND holder = GetDlgItem(IDC_FORM_FOCUS_HOLDER)) SetFocus(holder);
    ::ShowWindow(m_frame.GetSafeHwnd(), SW_HIDE);
}

void CUmbrixView::KeepAwake(bool keep)
{
    System().SetThreadExecutionState(keep ? kStayAwake : ES_CONTINUOUS);
}

void CUmbrixView::Save()
{
    if (!UpdateData(true)) return;
    m_hotKeys->StoreBoth(HotKeyFieldOf(HotKeyId::MonitorOff), HotKeyFieldOf(HotKeyId::LockAndMonitorOff));
    ISettingsStore& profile = AfxProfile();
    profile.WriteInt(kSettingsSection, L"HotKeyConfDuration", m_hotKeyConfDuration);
    profile.WriteInt(kSettingsSection, L"HotKeyConfDisplay", m_hotKeyConfDisplay);
    profile.WriteInt(kSettingsSection, L"HotKeyConfDurationLock", m_hotKeyConfDurationLock);
    profile.WriteInt(kSettingsSection, L"HotKeyConfDisplayLock", m_hotKeyConfDisplayLock);
    profile.WriteInt(kSettingsSection, L"KeepSystemActive", m_keepSystemActive);
    profile.WriteString(kSettingsSection, L"SystemTrayIconFile", m_trayIconFile);
    profile.WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", m_voiceAlert);
    profile.WriteInt(kSettingsSection, L"AllowWakeUpWithMouse", m_wakeWithMouse);
    profile.WriteInt(kSettingsSection, L"EnableSellory", m_password);
    KeepAwake(m_keepSystemActive != 0);
    // The stored keep-awake supersedes a timed one; an unticked box withdrew
    // the request of a timed one that must go on.
    if (m_keepSystemActive) m_timedKeepAwake.reset();
    else if (m_timedKeepAwake) KeepAwake(true);
    RefreshTrayTooltip();
    StoreClickActions(false);
    Hide(true);
}

void CUmbrixView::OnOK()
{
    Save();
}

void CUmbrixView::OnCancel()
{
    Hide(true);
}

bool CUmbrixView::OnCommand(WORD id, WORD notifyCode, HWND control)
{
    if (id == IDOK || id == IDCANCEL) return false;
    if (control) return notifyCode == BN_CLICKED && OnFormCommand(id);
    // A menu command, or one posted by a tray click: the view's own first,
    // then the frame's.
    if (OnCmdMsg(id)) return true;
    SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return true;
}

bool CUmbrixView::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR& result)
{
    if (msg == UM_TRAY_NOTIFY) {
        OnTrayNotify(LOWORD(lParam));
        result = 0;
        return true;
    }
    if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == IDC_FORM_FEEDBACK_LINK && (header->code == NM_CLICK || header->code == NM_RETURN)) {
            OpenWebPage(kFeedbackPage, SW_SHOW);
            result = 0;
            return true;
        }
    }
    return false;
}

bool CUmbrixView::OnCmdMsg(UINT id)
{
    HWND self = m_hWnd;
    switch (id) {
    case ID_TRAY_SETTINGS: OpenSettings(); return true;
    case ID_TRAY_SHOW_MENU: ShowTrayMenu(); return true;
    case ID_MONITOR_OFF: MonitorOff(0); return true;
    case ID_LOCK_AND_MONITOR_OFF: LockAndMonitorOff(m_frame.GetSafeHwnd()); return true;
    case ID_START_SCREENSAVER: StartDefaultScreenSaver(); return true;
    case ID_APP_EXIT: Hide(true); return true;
    case ID_APP_EXIT_UMBRIX: OnAppExit(); return true;
    case ID_POWER_SHUTDOWN: ExitWindowsOperation(self, kEwxShutdown); return true;
    case ID_POWER_RESTART: ExitWindowsOperation(self, kEwxReboot); return true;
    case ID_POWER_LOGOFF: ExitWindowsOperation(self, kEwxLogOff); return true;
    case ID_POWER_STANDBY: PowerOperation(4, self, false); return true;
    case ID_POWER_HIBERNATE: PowerOperation(5, self, false); return true;
    case ID_POWER_BRUTE_SHUTDOWN: ExitWindowsOperation(self, kEwxShutdown | kEwxForce); return true;
    case ID_POWER_BRUTE_RESTART: ExitWindowsOperation(self, kEwxReboot | kEwxForce); return true;
    case ID_POWER_BRUTE_LOGOFF: ExitWindowsOperation(self, kEwxLogOff | kEwxForce); return true;
    case ID_CLOSE_IE_WINDOWS: CloseAllBrowserWindows(m_frame.GetSafeHwnd(), m_frame.m_confirmFirst); return true;
    case ID_CREATE_DESKTOP_SHORTCUT: OnCreateDesktopShortcut(); return true;
    case ID_UMBRIX_DAILY: OnDailySchedule(self); return true;
    case ID_SCREEN_CORNER: OnScreenCorner(self); return true;
    case ID_BATTERY_ALERT: OnBatteryAlert(self); return true;
    case ID_CHANGE_SCREENSAVER: {
        CDlgScreenSaver chooser;
        chooser.DoModal();
        return true;
    }
    case ID_IDLE_MONITOR_OFF: OnIdleMonitorOff(); return true;
    case ID_IDLE_SCREENSAVER: OnIdleScreenSaver(); return true;
    case ID_DELAY_MONITOR_OFF: OnMonitorOffAfter(); return true;
    case ID_IDLE_ACTIONS: OnConfigureIdleActions(); return true;
    case ID_KEEP_AWAKE_OFF:
    case ID_KEEP_AWAKE_ONE_HOUR:
    case ID_KEEP_AWAKE_FOUR_HOURS:
    case ID_KEEP_AWAKE_UNTIL_OFF: OnKeepAwakeCommand(id); return true;
    default: return StartLauncher(id, LauncherHandler::View, self);
    }
}

void CUmbrixView::OnCreateDesktopShortcut()
{
    CreateDesktopShortcut(m_hWnd);
}

void CUmbrixView::OnAppExit()
{
    ExitProcedure(true);
}

void CUmbrixView::ExitProcedure(bool askAboutHotKeys)
{
    if (!IsWindow()) return;
    ISettingsStore& profile = AfxProfile();
    const bool hotKeySet = (profile.ReadInt(kSettingsSection, L"Key", 0) & 0xFFFF) != 0 ||
                           (profile.ReadInt(kSettingsSection, L"LockKey", 0) & 0xFFFF) != 0;
    if (askAboutHotKeys && hotKeySet &&
        MessageBoxW(m_frame.GetSafeHwnd(),
                    L"Once you close the Application, Associated Hot Key to Umbrix or Lock and Umbrix will not "
                    L"work.\nDo you wish to continue?",
                    L"Umbrix", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    RemoveTrayIcon();
    m_timedKeepAwake.reset();
    System().SetThreadExecutionState(ES_CONTINUOUS);
    PostQuitMessage(0);
}

void CUmbrixView::OnEndSession(bool ending, bool closeApp)
{
    // A cancelled log-off or shut-down leaves the user working with the
    // program. A session that ends must not wait for a question nobody may be
    // there to answer.
    if (!ending) return;
    // An open tray menu runs a loop of its own that would hold the quit back.
    EndMenu();
    ExitProcedure(false);
    // At a real session end Windows ends the process once this returns; an
    // installer closing just this program (the Restart Manager's way) waits
    // for the process to end by itself.
    if (closeApp) PostQuitMessage(0);
}
