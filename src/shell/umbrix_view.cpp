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
#include "shell/launcher_commands.h"
#include "schedule/dlg_battery_alert.h"
#include "schedule/dlg_cursor_tracer.h"
#include "schedule/dlg_daily.h"
#include "shell/launchers.h"
#include "shell/main_frame.h"
#include "shell/shortcut_file_win.h"

namespace {
constexpr EXECUTION_STATE kStayAwake = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;
}  // namespace

CUmbrixView::CUmbrixView(CMainFrame& frame) : CDialog(IDD_UMBRIX_FORM), m_frame(frame) {}

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
    dx.Check(IDC_FORM_KEEP_ACTIVE, m_keepSystemActive);
    dx.Check(IDC_FORM_VOICE_ALERT, m_voiceAlert);
    dx.Check(IDC_FORM_WAKE_WITH_MOUSE, m_wakeWithMouse);
    dx.Check(IDC_FORM_PASSWORD, m_password);
}

void CUmbrixView::LoadFormValues()
{
    ISettingsStore& profile = AfxProfile();
    m_keepSystemActive = profile.ReadInt(kSettingsSection, L"KeepSystemActive", 0);
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
    if (HWND holder = GetDlgItem(IDC_FORM_FOCUS_HOLDER))
        SetWindowPos(holder, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    RearmIdleTimers();
    EnableWindow(GetDlgItem(IDC_FORM_WAKE_WITH_MOUSE), GetWindowsVersionClass() != kVersionClassVista);
    ShowWindow(SW_SHOW);
}

void CUmbrixView::OpenSettings()
{
    LoadFormValues();
    UpdateData(false);
    HWND frame = m_frame.GetSafeHwnd();
    ::ShowWindow(frame, SW_SHOW);
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
    ISettingsStore& profile = AfxProfile();
    profile.WriteInt(kSettingsSection, L"KeepSystemActive", m_keepSystemActive);
    profile.WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", m_voiceAlert);
    profile.WriteInt(kSettingsSection, L"AllowWakeUpWithMouse", m_wakeWithMouse);
    profile.WriteInt(kSettingsSection, L"EnableSellory", m_password);
    KeepAwake(m_keepSystemActive != 0);
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

bool CUmbrixView::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR& result)
{
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
    case ID_CHANGE_SCREEN_SAVER: {
        CDlgScreenSaver chooser;
        chooser.DoModal();
        return true;
    }
    case ID_IDLE_MONITOR_OFF: OnIdleMonitorOff(); return true;
    case ID_IDLE_SCREEN_SAVER: OnIdleScreenSaver(); return true;
    case ID_MONITOR_OFF_AFTER: OnMonitorOffAfter(); return true;
    case ID_CONFIGURE_IDLE_ACTIONS: OnConfigureIdleActions(); return true;
    default: return StartLauncher(id, LauncherHandler::View, self);
    }
}

bool CUmbrixView::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id == IDC_FORM_CREATE_SHORTCUT && notifyCode == BN_CLICKED) {
        OnCreateDesktopShortcut();
        return true;
    }
    return false;
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
    // The tray icon is removed here once the tray exists.
    System().SetThreadExecutionState(ES_CONTINUOUS);
    PostQuitMessage(0);
}

void CUmbrixView::OnEndSession(bool ending)
{
    // A cancelled log-off or shut-down leaves the user working with the
    // program. A session that ends must not wait for a question nobody may be
    // there to answer.
    if (ending) ExitProcedure(false);
}
