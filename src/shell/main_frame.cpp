#include "shell/main_frame.h"

#include <commctrl.h>

#include "actions/action_catalog.h"
#include "actions/confirm_action.h"
#include "actions/display_ops.h"
#include "actions/dlg_text_to_speech.h"
#include "actions/power_ops.h"
#include "actions/system_ops.h"
#include "actions/volume_win.h"
#include "dialogs/app_look_win.h"
#include "framework/win_text.h"
#include "resources/resource.h"
#include "schedule/battery_alert.h"
#include "shell/launcher_commands.h"
#include "schedule/hibernate_wake_win.h"
#include "shell/messages.h"
#include "shell/umbrix_view.h"

namespace {
// Styles of the status-bar panes: message, then caps, num and scroll lock.
const UINT kIndicators[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
const int kIndicatorKeys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
}  // namespace

CMainFrame::CMainFrame(int* appLook) : m_appLook(appLook ? appLook : &m_ownLook) {}
CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (!RegisterClassOnce(kFrameClassName, icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) return false;
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    // No sizing border and no maximise box: the frame always fits the form,
    // which sets its size once the form exists.
    if (!CreateEx(0, kFrameClassName, kFrameCaption, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu)) {
        if (menu) DestroyMenu(menu);
        return false;
    }
    CreateStatusBar();
    TakeStoredLook();
    m_view = std::make_unique<CUmbrixView>(*this);
    if (!m_view->Create()) return false;
    RecalcLayout();
    m_view->OnInitialUpdate();
    return true;
}

void CMainFrame::CreateStatusBar()
{
    m_statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!m_statusBar) return;
    SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(LoadResString(AFX_IDS_IDLEMESSAGE).c_str()));
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators()
{
    if (!m_statusBar) return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    HDC dc = GetDC(m_statusBar);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_statusBar, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    int widths[4];
    int right = client.right;
    for (int i = 3; i >= 1; --i) {
        widths[i] = right;
        SIZE size{};
        const std::wstring text = LoadResString(kIndicators[i - 1]);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        right -= size.cx + 12;
    }
    widths[0] = right;
    SelectObject(dc, old);
    ReleaseDC(m_statusBar, dc);
    SendMessageW(m_statusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(widths));
    for (int i = 0; i < 3; ++i) {
        const bool on = (GetKeyState(kIndicatorKeys[i]) & 1) != 0;
        const std::wstring text = on ? LoadResString(kIndicators[i]) : std::wstring();
        SendMessageW(m_statusBar, SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void CMainFrame::RecalcLayout()
{
    if (!m_view || !m_view->GetSafeHwnd()) return;
    RECT form{};
    GetWindowRect(m_view->GetSafeHwnd(), &form);
    const int formWidth = form.right - form.left;
    const int formHeight = form.bottom - form.top;
    int statusHeight = 0;
    if (m_statusBar) SendMessageW(m_statusBar, WM_SIZE, 0, 0);  // lets it take its own height first
    if (StatusBarShown()) {
        RECT status{};
        GetWindowRect(m_statusBar, &status);
        statusHeight = status.bottom - status.top;
    }
    RECT frame{0, 0, formWidth, formHeight + statusHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)));
    SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_view->GetSafeHwnd(), nullptr, 0, 0, formWidth, formHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_statusBar) SendMessageW(m_statusBar, WM_SIZE, 0, 0);
    UpdateIndicators();
}

bool CMainFrame::StatusBarShown() const
{
    // Its own style, not IsWindowVisible: the frame is hidden most of the time.
    return m_statusBar && (GetWindowLongPtrW(m_statusBar, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CMainFrame::ToggleStatusBar()
{
    if (!m_statusBar) return;
    ::ShowWindow(m_statusBar, StatusBarShown() ? SW_HIDE : SW_SHOW);
    RecalcLayout();
}

bool CMainFrame::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_KEYUP || msg.message == WM_KEYDOWN) UpdateIndicators();
    return false;
}

void CMainFrame::RunAction(int number)
{
    const ActionDecision decision = DecideAction(number);
    m_confirmFirst = decision.confirmFirst;
    if (decision.kind == ActionDecision::Kind::Ignore) return;
    if (decision.kind == ActionDecision::Kind::ShowSettings) {
        ShowWindow(IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW);
        return;
    }
    const ActionEntry& entry = *decision.entry;
    if (decision.confirmBeforeRun && !ConfirmAction(entry.confirmationName)) return;

    switch (entry.op) {
    case ActionOp::PowerOperation: PowerOperation(entry.code, m_hWnd, entry.forced); break;
    case ActionOp::LogOff: LogOffOperation(m_hWnd, entry.forced); break;
    case ActionOp::CloseAllBrowserWindows: CloseAllBrowserWindows(m_hWnd, m_confirmFirst); break;
    case ActionOp::EjectOpticalDrive: EjectOpticalDrive(m_hWnd, m_confirmFirst); break;
    case ActionOp::MonitorOff: MonitorOff(0); break;
    case ActionOp::MonitorOn: MonitorOn(); break;
    case ActionOp::HibernateAndWakeUp: HibernateAndWakeUp(m_hWnd, m_confirmFirst); break;
    case ActionOp::LockAndMonitorOff: LockAndMonitorOff(m_hWnd); break;
    case ActionOp::StartDefaultScreenSaver: StartDefaultScreenSaver(); break;
    case ActionOp::SwitchToClassicTheme: SwitchToClassicTheme(m_hWnd); break;
    case ActionOp::Suspend: Suspend(); break;
    case ActionOp::ToggleMute: ToggleMuteVolume(m_hWnd); break;
    case ActionOp::Mute: MuteVolume(m_hWnd); break;
    case ActionOp::StepUpVolume: StepUpVolume(m_hWnd); break;
    case ActionOp::StepDownVolume: StepDownVolume(m_hWnd); break;
    }
}

void CMainFrame::Suspend()
{
    if (m_confirmFirst && !ConfirmAction(L"Suspend Computer")) return;
    SuspendOperation();
}

bool CMainFrame::OnCommand(UINT id)
{
    // Commands go to the view first, as in a document/view frame.
    if (m_view && m_view->OnCmdMsg(id)) return true;
    if (OnSecondaryCommand(id)) return true;
    switch (id) {
    case ID_POWER_SUSPEND:
        Suspend();
        return true;
    case ID_VIEW_STATUS_BAR:
        ToggleStatusBar();
        return true;
    case ID_TEXT_TO_SPEECH: {
        CDlgTextToSpeech dialog(m_hWnd);
        dialog.DoModal();
        return true;
    }
    case ID_TOGGLE_PROXY:
        ToggleUseProxy(m_hWnd, m_confirmFirst);
        return true;
    case ID_HANGUP_MODEM:
        HangUpModem(m_hWnd, m_confirmFirst);
        return true;
    default:
        return StartLauncher(id, LauncherHandler::Frame, m_hWnd);
    }
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Broadcast to top-level windows only, so the frame passes it on.
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        if (m_view && m_view->GetSafeHwnd()) m_view->OnTaskbarCreated();
        return 0;
    }
    switch (msg) {
    case UM_SHOW_SETTINGS:
        PostMessageW(m_hWnd, WM_COMMAND, ID_TRAY_SETTINGS, 0);
        break;
    case UM_RUN_ACTION:
        RunAction(static_cast<int>(wParam));
        break;
    case UM_MONITOR_OFF:
        MonitorOff(0);
        return 1;
    case WM_POWERBROADCAST:
        OnPowerBroadcast();
        break;
    case WM_SETTINGCHANGE:
        // Broadcast to top-level windows: the tray icon follows the theme.
        if (m_view && m_view->GetSafeHwnd())
            m_view->OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<const wchar_t*>(lParam));
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) <= 1 && OnCommand(LOWORD(wParam))) return 0;
        break;
    case WM_INITMENUPOPUP: {
        const bool shown = StatusBarShown();
        CheckMenuItem(reinterpret_cast<HMENU>(wParam), ID_VIEW_STATUS_BAR, shown ? MF_CHECKED : MF_UNCHECKED);
        MarkLookItems(reinterpret_cast<HMENU>(wParam), *m_appLook);
        break;
    }
    case WM_SETFOCUS:
        // Keep the keyboard inside the form, not on the bare frame.
        if (m_view && m_view->GetSafeHwnd()) SetFocus(m_view->GetSafeHwnd());
        return 0;
    case WM_CLOSE:
        // Closing the settings window only hides it; Exit ends the program.
        if (m_view) m_view->Hide(false);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (m_view) m_view->OnEndSession(wParam != FALSE, (lParam & ENDSESSION_CLOSEAPP) != 0);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
