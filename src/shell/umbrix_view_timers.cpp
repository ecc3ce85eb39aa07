// CUmbrixView's timer members: the four window timers, the 1-second tick and
// the commands of the idle and delay dialogs. The decisions are CIdleTimers'
// and CIdleActions'; this side samples the clocks and carries them out.
#include <cwchar>

#include "actions/display_ops.h"
#include "actions/dlg_confirmation.h"
#include "app/date_codec_win.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/daily_schedule_win.h"
#include "schedule/dlg_duration_selector.h"
#include "schedule/dlg_idle_actions.h"
#include "schedule/dlg_idle_capture.h"
#include "schedule/idle_actions_win.h"
#include "schedule/screen_corner_win.h"
#include "shell/umbrix_view.h"

namespace {
constexpr int kIdleMonitorOffCountdownSeconds = 30;
}  // namespace

void CUmbrixView::StartTimerLoop()
{
    SetTimer(m_hWnd, kSecondTimer, kSecondPeriodMs, nullptr);
    m_lastInput.cbSize = sizeof(m_lastInput);
    // The 900-ms checks may run before the first 1-second sample, and the
    // form may be shown before it: both get a first sample now.
    m_readLastInput(&m_lastInput);
    SampleIdleSeconds(GetTickCount(), m_lastInput.dwTime);
    ShowIdleSeconds();
}

void CUmbrixView::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kIdleOffTimer: CheckIdleMonitorOff(AfxProfile(), GetTickCount(), m_lastInput.dwTime); break;
    case kDelayTimer: CountDelay(AfxProfile()); break;
    case kIdleScrTimer: CheckIdleScreenSaver(AfxProfile(), GetTickCount(), m_lastInput.dwTime); break;
    case kSecondTimer: OnSecondTick(); break;
    default: break;
    }
}

void CUmbrixView::OnSecondTick()
{
    m_readLastInput(&m_lastInput);
    SampleIdleSeconds(GetTickCount(), m_lastInput.dwTime);
    ShowIdleSeconds();
    CheckDailySchedule(m_hWnd);
    CheckIdleActions();
    CheckTimedKeepAwake();
    // The corner check sees the position sampled at the end of the tick before.
    if (CheckScreenCorner(m_hWnd, m_cursorPos)) m_cursorPos = SampleCursorAndMonitors();
}

void CUmbrixView::ShowIdleSeconds()
{
    wchar_t line[64];
    std::swprintf(line, 64, L"No User Input for Last %u Seconds", static_cast<unsigned>(m_idleSeconds));
    SetDlgItemTextW(m_hWnd, IDC_FORM_IDLE_LINE, line);
}

void CUmbrixView::CheckIdleActions()
{
    CIdleActionRequests requests(m_hWnd);
    m_idleActions.Check(AppSettings(), requests, m_idleSeconds);
}

void CUmbrixView::RearmIdleTimers()
{
    CIdleTimers::RearmIdleTimers(AfxProfile());
}

void CUmbrixView::RearmDelayTimer()
{
    CIdleTimers::RearmDelayTimer(AfxProfile());
}

void CUmbrixView::StartViewTimer(unsigned id, unsigned periodMs)
{
    SetTimer(m_hWnd, id, periodMs, nullptr);
}

void CUmbrixView::StopViewTimer(unsigned id)
{
    KillTimer(m_hWnd, id);
}

void CUmbrixView::RefreshTooltipOnRearm()
{
    RefreshTrayTooltip();
}

bool CUmbrixView::ConfirmIdleMonitorOff(const std::wstring& message)
{
    CDlgConfirmation dlg(m_hWnd);
    dlg.m_seconds = kIdleMonitorOffCountdownSeconds;
    dlg.m_message = message;
    return dlg.DoModal() == IDOK;
}

void CUmbrixView::SwitchMonitorOff()
{
    MonitorOff(0);
}

void CUmbrixView::LockStation()
{
    LockWorkStationNow();
}

void CUmbrixView::AlertScreenSaver()
{
    ScreenSaverAlert();
}

void CUmbrixView::StartScreenSaver()
{
    StartDefaultScreenSaver();
}

void CUmbrixView::OnIdleMonitorOff()
{
    CDlgIdleCapture dlg(m_hWnd);
    dlg.m_mode = kIdleCaptureMonitorOff;
    if (dlg.DoModal() == IDOK) RearmIdleTimers();
}

void CUmbrixView::OnIdleScreenSaver()
{
    CDlgIdleCapture dlg(m_hWnd);
    dlg.m_mode = kIdleCaptureScreenSaver;
    if (dlg.DoModal() == IDOK) RearmIdleTimers();
}

void CUmbrixView::OnMonitorOffAfter()
{
    CDlgDurationSelector dlg(m_hWnd);
    if (dlg.DoModal() == IDOK) RearmDelayTimer();
}

void CUmbrixView::OnConfigureIdleActions()
{
    CDlgIdleActions dlg(AppSettings(), m_hWnd);
    dlg.DoModal();
}
