#include "timer/vandric_dlg.h"

#include <commctrl.h>

#include "framework/app.h"
#include "framework/win_text.h"
#include "resources/vandric_resource.h"
#include "timer/countdown_warning.h"
#include "timer/dlg_schedule.h"
#include "timer/hot_key_modifiers.h"
#include "timer/scheduled_action.h"
#include "timer/vandric_messages.h"
#include "timer/vandric_requests.h"

namespace {

const UINT_PTR kCountdownTimer = 1;
const int kHotKeyId = 1;
const LPARAM kMonitorOff = 2;
// Long enough for any responsive window, short enough that the countdown
// never waits long on a broadcast.
const UINT kBroadcastTimeoutMs = 1000;

void Inform(HWND owner, const wchar_t* text)
{
    MessageBoxW(owner, text, AfxAppTitle(), MB_ICONINFORMATION);
}

// A stored 0/1 value; anything else reads as the default.
int StoredFlag(const wchar_t* name, int def)
{
    const int value = AfxProfile().ReadInt(kSettingsSection, name, def);
    return value == 0 || value == 1 ? value : def;
}

// The time of the action, `seconds` from now, in the user's short time
// format without seconds.
std::wstring TimeIn(int seconds)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER at;
    at.LowPart = now.dwLowDateTime;
    at.HighPart = now.dwHighDateTime;
    at.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000ULL;
    FILETIME utc{at.LowPart, at.HighPart};
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return {};
    wchar_t text[64];
    if (!GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, ARRAYSIZE(text))) return {};
    return text;
}

}  // namespace

void SwitchMonitorOff()
{
    Sleep(200);
    // Our own window passes the command to the system without depending on
    // any other program; a broadcast would wait on every window there is.
    HWND main = AfxGetMainHwnd();
    if (main && IsWindow(main))
        VandricSystem().SendMonitorPower(main, kMonitorOff);
    else
        VandricSystem().BroadcastMonitorPower(kMonitorOff, kBroadcastTimeoutMs);
}

void RegisterStoredHotKey()
{
    ISettingsStore& profile = AfxProfile();
    const HotKeyRegistration hotKey = RegistrationForStored(profile.ReadInt(kSettingsSection, L"Key", 0),
                                                            profile.ReadInt(kSettingsSection, L"Mod", 0));
    if (!hotKey.wanted) return;
    if (!RegisterHotKey(nullptr, kHotKeyId, hotKey.modifiers, hotKey.virtualKey))
        Inform(nullptr, L"Could not Register Hot Key for Power Monitor Off");
}

CVandricDlg::CVandricDlg() : CDialog(IDD_VANDRIC_SETTINGS) {}

bool CVandricDlg::Create()
{
    return CreateModeless(nullptr);
}

bool CVandricDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VANDRIC), IMAGE_ICON,
                                           0, 0, LR_DEFAULTSIZE | LR_SHARED));
    const std::wstring about = LoadResString(IDS_VANDRIC_ABOUT);
    if (HMENU system = GetSystemMenu(m_hWnd, FALSE); system && !about.empty()) {
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(system, MF_STRING, IDM_VANDRIC_ABOUTBOX, about.c_str());
    }
    SetIcons(IDI_VANDRIC);

    ISettingsStore& profile = AfxProfile();
    SendDlgItemMessageW(m_hWnd, IDC_VANDRIC_HOTKEY, HKM_SETHOTKEY,
                        FieldValueForStored(profile.ReadInt(kSettingsSection, L"Key", 0),
                                            profile.ReadInt(kSettingsSection, L"Mod", 0)),
                        0);
    RegisterStoredHotKey();

    const int sysTray = StoredFlag(L"SysTray", 1);
    CheckDlgButton(m_hWnd, IDC_VANDRIC_SYSTRAY, sysTray ? BST_CHECKED : BST_UNCHECKED);

    // Without a shell yet (a start at sign-in) the icon is added on
    // "TaskbarCreated"; its menu needs the default item all the same.
    m_tray.UseThemedIcons(
        {IDI_VANDRIC_TRAY_DARK_TASKBAR, IDI_VANDRIC_TRAY_LIGHT_TASKBAR, IDI_VANDRIC_TRAY_HIGH_CONTRAST});
    const bool added = m_tray.Create(m_hWnd, ID_VANDRIC_TRAY_ICON, L"Vandric", m_icon, UM_TRAY_NOTIFY, 0);
    m_tray.SetDefaultItem(ID_VANDRIC_SCHEDULE, false);
    if (added && sysTray == 0) m_tray.Hide();
    UpdateTrayMenu();
    return true;
}

// Enter and Escape in the settings window only hide it, as its close box does.
void CVandricDlg::OnOK()
{
    HideSettings();
}

void CVandricDlg::OnCancel()
{
    HideSettings();
}

void CVandricDlg::ShowSettings()
{
    ShowWindow(SW_SHOW);
    SetForegroundWindow(m_hWnd);
}

void CVandricDlg::HideSettings()
{
    ShowWindow(SW_HIDE);
}

void CVandricDlg::Destroy()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

INT_PTR CVandricDlg::RunScheduleDialog(CDlgSchedule& dlg)
{
    if (m_openSchedule) {
        if (HWND open = m_openSchedule->GetSafeHwnd()) SetForegroundWindow(open);
        return IDCANCEL;
    }
    m_openSchedule = &dlg;
    const INT_PTR result = dlg.DoModal();
    m_openSchedule = nullptr;
    return result;
}

void CVandricDlg::StartCountdown(int minutes, const std::wstring& action)
{
    m_countdown.Start(minutes, action);
    KillTimer(m_hWnd, kCountdownTimer);
    SetTimer(m_hWnd, kCountdownTimer, 1000, nullptr);
    KeepAwake(false);
    KeepAwake(true);
    UpdateTrayMenu();
    ShowWarnings();
}

void CVandricDlg::KeepAwake(bool awake)
{
    if (awake == m_awake) return;
    // A countdown must not sleep through its time: WM_TIMER stops while the
    // system sleeps. The display may still go off.
    VandricSystem().SetExecutionState(awake ? ES_SYSTEM_REQUIRED | ES_CONTINUOUS : ES_CONTINUOUS);
    m_awake = awake;
}

void CVandricDlg::ShowTip()
{
    const int remaining = m_countdown.Remaining();
    m_tray.SetTip(m_countdown.Paused() ? PausedTip(remaining, m_countdown.Action())
                                       : CountdownTip(remaining, m_countdown.Action()));
}

void CVandricDlg::ShowWarnings()
{
    const bool balloon = m_countdown.TakeBalloonWarning();
    const bool window = m_countdown.WarningWindowDue();
    if (!balloon && !window) {
        m_warning.Close();
        return;
    }
    if (StoredFlag(L"Warnings", 1) == 0) return;
    // The request follows one second after the tip shows 0.
    const std::wstring sentence = WarningSentence(m_countdown.Action(), TimeIn(m_countdown.Remaining() + 1));
    if (balloon && StoredFlag(L"SysTray", 1) == 1) m_tray.ShowBalloon(AfxAppTitle(), sentence);
    if (window) m_warning.Show(m_hWnd, m_countdown.Remaining(), sentence);
}

void CVandricDlg::UpdateTrayMenu()
{
    HMENU popup = m_tray.Menu() ? GetSubMenu(m_tray.Menu(), 0) : nullptr;
    if (!popup) return;
    const UINT pauseState = m_countdown.Counting() ? MF_ENABLED : MF_GRAYED;
    ModifyMenuW(popup, ID_VANDRIC_PAUSE, MF_BYCOMMAND | MF_STRING | pauseState, ID_VANDRIC_PAUSE,
                m_countdown.Paused() ? L"Resume Countdown" : L"Pause Countdown");
    EnableMenuItem(popup, ID_VANDRIC_ADD_TEN, MF_BYCOMMAND | (m_countdown.CanAdd() ? MF_ENABLED : MF_GRAYED));
}

void CVandricDlg::OnAddTenMinutes()
{
    if (!m_countdown.Add()) return;
    ShowTip();
    ShowWarnings();
    UpdateTrayMenu();
}

void CVandricDlg::OnTogglePause()
{
    if (!m_countdown.Counting()) return;
    const bool pause = !m_countdown.Paused();
    m_countdown.SetPaused(pause);
    KillTimer(m_hWnd, kCountdownTimer);
    if (!pause) SetTimer(m_hWnd, kCountdownTimer, 1000, nullptr);
    KeepAwake(!pause);
    ShowTip();
    UpdateTrayMenu();
}

bool CVandricDlg::CanCancel() const
{
    return !m_sessionEnded && (m_countdown.Counting() || m_countdown.ExitQuestionOpen());
}

void CVandricDlg::CancelSchedule()
{
    if (CanCancel()) EndWithoutRequest();
}

void CVandricDlg::RunScheduledAction()
{
    IVandricRequests& system = VandricSystem();
    for (unsigned flags : ExitRequestsForAction(m_countdown.Action())) {
        system.EnableShutdownPrivilege();
        system.ExitWindowsEx(flags, 0);
    }
}

void CVandricDlg::OnTimer(UINT_PTR)
{
    OnTick();
}

void CVandricDlg::OnTick()
{
    const CScheduleCountdown::TickResult tick = m_countdown.Tick();
    switch (tick.step) {
    case CScheduleCountdown::Step::ShowTip:
        m_tray.SetTip(CountdownTip(tick.remaining, m_countdown.Action()));
        ShowWarnings();
        break;
    case CScheduleCountdown::Step::Fire:
        KillTimer(m_hWnd, kCountdownTimer);
        m_warning.Close();
        RunScheduledAction();
        Destroy();
        break;
    case CScheduleCountdown::Step::Hold:
        KillTimer(m_hWnd, kCountdownTimer);
        break;
    case CScheduleCountdown::Step::None:
        break;
    }
}

void CVandricDlg::OnScheduleAction()
{
    CDlgSchedule dlg;
    if (RunScheduleDialog(dlg) != IDOK) return;
    StartCountdown(dlg.m_minutes, dlg.m_action);
    if (dlg.m_monitorOff == 1) SwitchMonitorOff();
}

void CVandricDlg::OnExit()
{
    // A second Exit from the tray while the question is open would stack a
    // second question on the first.
    if (m_countdown.ExitQuestionOpen()) return;
    m_countdown.BeginExitQuestion();
    const int answer = MessageBoxW(m_hWnd,
                                   L"Once you close the Application, any pending schedule will not be actioned.\n"
                                   L"Do you wish to continue?",
                                   AfxAppTitle(), MB_YESNO | MB_ICONINFORMATION);
    // The session ended (or a cancel came) while the question was open: the
    // box went with the window, and a countdown that ran out meanwhile must
    // not fire now.
    if (m_sessionEnded) return;
    switch (m_countdown.EndExitQuestion(answer == IDYES)) {
    case CScheduleCountdown::ExitOutcome::EndWithoutRequest:
        Destroy();
        break;
    case CScheduleCountdown::ExitOutcome::RequestThenEnd:
        RunScheduledAction();
        Destroy();
        break;
    case CScheduleCountdown::ExitOutcome::KeepCounting:
        break;
    }
}

void CVandricDlg::OnEndSession(bool ending)
{
    if (ending) EndWithoutRequest();
}

void CVandricDlg::EndWithoutRequest()
{
    if (m_sessionEnded) return;
    // The exit procedure without the question: nobody may be there to answer
    // it, and a pending schedule is dropped, never carried out.
    m_sessionEnded = true;
    KillTimer(m_hWnd, kCountdownTimer);
    UnregisterHotKey(nullptr, kHotKeyId);
    m_tray.Remove();
    EndMenu();
    // Destroying the main window posts the quit, whether the whole session
    // ends, an installer closes just this program (ENDSESSION_CLOSEAPP) or
    // the schedule is cancelled.
    Destroy();
}

void CVandricDlg::OnChangeHotKey()
{
    const LRESULT value = SendDlgItemMessageW(m_hWnd, IDC_VANDRIC_HOTKEY, HKM_GETHOTKEY, 0, 0);
    const int key = LOBYTE(LOWORD(value));
    const int flags = HIBYTE(LOWORD(value));
    if (key == 0) {
        Inform(m_hWnd, L"Please Click on the Edit Box & Press Hot Key to Change the Key");
        return;
    }
    UnregisterHotKey(nullptr, kHotKeyId);
    ISettingsStore& profile = AfxProfile();
    if (profile.WriteInt(kSettingsSection, L"Key", key & 0xFFFF)) {
        profile.WriteInt(kSettingsSection, L"Mod", flags & 0xFFFF);
        Inform(m_hWnd, L"Changes have been Saved.");
    } else {
        Inform(m_hWnd, L"Could not Store New Hot Key.");
    }
    RegisterStoredHotKey();
    HideSettings();
}

void CVandricDlg::OnClearHotKey()
{
    UnregisterHotKey(nullptr, kHotKeyId);
    SendDlgItemMessageW(m_hWnd, IDC_VANDRIC_HOTKEY, HKM_SETHOTKEY, 0, 0);
    AfxProfile().WriteInt(kSettingsSection, L"Key", 0);
    AfxProfile().WriteInt(kSettingsSection, L"Mod", 0);
}

void CVandricDlg::OnToggleTrayIcon()
{
    AfxProfile().WriteInt(kSettingsSection, L"SysTray",
                          IsDlgButtonChecked(m_hWnd, IDC_VANDRIC_SYSTRAY) == BST_CHECKED ? 1 : 0);
    // The tray's own record: an icon added later on "TaskbarCreated" counts.
    if (!m_tray.Present()) return;
    if (m_tray.Hidden())
        m_tray.Show();
    else
        m_tray.Hide();
}

bool CVandricDlg::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;  // also 0 for menu items
    switch (id) {
    case IDC_VANDRIC_CHANGE: OnChangeHotKey(); return true;
    case IDC_VANDRIC_CLEAR: OnClearHotKey(); return true;
    case IDC_VANDRIC_SYSTRAY: OnToggleTrayIcon(); return true;
    case ID_VANDRIC_CLOSE: HideSettings(); return true;
    case ID_VANDRIC_WEBSITE: VandricSystem().OpenLink(kVandricWebsite); return true;
    case ID_VANDRIC_SUPPORT: VandricSystem().OpenLink(kVandricSupport); return true;
    case ID_VANDRIC_MONITOR_OFF: SwitchMonitorOff(); return true;
    case ID_VANDRIC_SHOW: ShowSettings(); return true;
    case ID_VANDRIC_SCHEDULE: OnScheduleAction(); return true;
    case ID_VANDRIC_EXIT: OnExit(); return true;
    case ID_VANDRIC_ADD_TEN: OnAddTenMinutes(); return true;
    case ID_VANDRIC_PAUSE: OnTogglePause(); return true;
    case ID_VANDRIC_CANCEL_SCHEDULE: CancelSchedule(); return true;
    default: return false;
    }
}

void CVandricDlg::PaintMinimized()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(m_hWnd, &paint);
}

bool CVandricDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    // The tray icon has re-added itself by now. One the shell takes only now
    // (it was not running at start) follows the stored choice, as at start;
    // one hidden before a shell restart comes back visible, its flag kept.
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    if (msg == taskbarCreated && msg != 0 && m_tray.Present() && !m_tray.Hidden() && StoredFlag(L"SysTray", 1) == 0)
        m_tray.Hide();
    switch (msg) {
    case UM_SHOW_SETTINGS:
        ShowSettings();
        return false;
    case UM_POWER_MONITOR_OFF:
        SwitchMonitorOff();
        result = 1;
        return true;
    case UM_SCHEDULE:
        OnScheduleAction();
        return false;
    case UM_TRAY_NOTIFY:
        m_tray.OnTrayNotification(wParam, lParam);
        result = 0;
        return true;
    case WM_CLOSE:
        HideSettings();
        return true;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_VANDRIC_ABOUTBOX) return false;
        {
            CDialog about(IDD_VANDRIC_ABOUT, m_hWnd);
            about.DoModal();
        }
        return true;
    case WM_PAINT:
        if (!IsIconic(m_hWnd)) return false;
        PaintMinimized();
        return true;
    case WM_QUERYENDSESSION:
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        result = 0;
        return true;
    case UM_CANCEL_COUNTDOWN:
        // Ended later: a window destroyed now could not give the answer.
        result = CanCancel() ? 1 : 0;
        if (result) {
            KillTimer(m_hWnd, kCountdownTimer);
            PostMessageW(m_hWnd, WM_COMMAND, ID_VANDRIC_CANCEL_SCHEDULE, 0);
        }
        return true;
    case WM_DESTROY:
        // The main window's end is the program's end: every way out (the
        // request made, Exit, a session end, a cancel) withdraws the request
        // to stay awake here.
        m_warning.Close();
        KeepAwake(false);
        PostQuitMessage(0);
        return false;
    default:
        return false;
    }
}
