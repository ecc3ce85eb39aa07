#include "schedule/dlg_idle_actions.h"

#include <commctrl.h>

#include <cwchar>

#include "resources/resource.h"

CDlgIdleActions::CDlgIdleActions(CAppSettings& settings, HWND parent)
    : CDialog(IDD_IDLE_ACTIONS, parent), m_settings(settings)
{
}

void CDlgIdleActions::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_IA_LOGOFF_FORCED, m_logOffForced);
    dx.Text(IDC_IA_LOGOFF_MINUTES, m_logOffMinutes);
    dx.Check(IDC_IA_LOGOFF_CONFIRM, m_logOffConfirmation);
    dx.Check(IDC_IA_SHUTDOWN_FORCED, m_shutdownForced);
    dx.Text(IDC_IA_SHUTDOWN_MINUTES, m_shutdownMinutes);
    dx.Check(IDC_IA_SHUTDOWN_CONFIRM, m_shutdownConfirmation);
    dx.Text(IDC_IA_HIBERNATE_MINUTES, m_hibernateMinutes);
    dx.Check(IDC_IA_HIBERNATE_CONFIRM, m_hibernateConfirmation);
    dx.Text(IDC_IA_STANDBY_MINUTES, m_standbyMinutes);
    dx.Check(IDC_IA_STANDBY_CONFIRM, m_standbyConfirmation);
}

bool CDlgIdleActions::OnInitDialog()
{
    const IdleGroup logOff = m_settings.GetIdle(CAppSettings::Idle::LogOff);
    const IdleGroup shutdown = m_settings.GetIdle(CAppSettings::Idle::Shutdown);
    const IdleGroup hibernate = m_settings.GetIdle(CAppSettings::Idle::Hibernate);
    const IdleGroup standby = m_settings.GetIdle(CAppSettings::Idle::Standby);
    m_logOffMinutes = static_cast<unsigned>(logOff.minutes);
    m_logOffConfirmation = logOff.confirmation;
    m_logOffForced = logOff.forced;
    m_shutdownMinutes = static_cast<unsigned>(shutdown.minutes);
    m_shutdownConfirmation = shutdown.confirmation;
    m_shutdownForced = shutdown.forced;
    m_hibernateMinutes = static_cast<unsigned>(hibernate.minutes);
    m_hibernateConfirmation = hibernate.confirmation;
    m_standbyMinutes = static_cast<unsigned>(standby.minutes);
    m_standbyConfirmation = standby.confirmation;

    CDialog::OnInitDialog();
    for (int id : {IDC_IA_LOGOFF_SPIN, IDC_IA_SHUTDOWN_SPIN, IDC_IA_HIBERNATE_SPIN, IDC_IA_STANDBY_SPIN})
        SendDlgItemMessageW(m_hWnd, id, UDM_SETRANGE32, kMinutesLow, kMinutesHigh);
    SetTimer(m_hWnd, kIdleLineTimer, 1000, nullptr);
    return true;
}

void CDlgIdleActions::OnTimer(UINT_PTR)
{
    ShowIdleTime();
}

void CDlgIdleActions::ShowIdleTime()
{
    m_lastInput.cbSize = sizeof(m_lastInput);
    GetLastInputInfo(&m_lastInput);
    const unsigned seconds = static_cast<unsigned>(GetTickCount() - m_lastInput.dwTime) / 1000u;
    wchar_t line[96];
    std::swprintf(line, 96, L"Info : No User Input for Last %u Minutes %u Seconds", seconds / 60u, seconds % 60u);
    SetDlgItemTextW(m_hWnd, IDC_IA_IDLE_LINE, line);
}

void CDlgIdleActions::OnOK()
{
    if (!UpdateData(true)) return;
    m_settings.SetIdle(CAppSettings::Idle::LogOff,
                       IdleGroup{static_cast<int>(m_logOffMinutes), m_logOffConfirmation, m_logOffForced});
    m_settings.SetIdle(CAppSettings::Idle::Shutdown,
                       IdleGroup{static_cast<int>(m_shutdownMinutes), m_shutdownConfirmation, m_shutdownForced});
    m_settings.SetIdle(CAppSettings::Idle::Hibernate,
                       IdleGroup{static_cast<int>(m_hibernateMinutes), m_hibernateConfirmation, 0});
    m_settings.SetIdle(CAppSettings::Idle::Standby,
                       IdleGroup{static_cast<int>(m_standbyMinutes), m_standbyConfirmation, 0});
    EndDialog(IDOK);
}

bool CDlgIdleActions::OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR&)
{
    if (msg == WM_DESTROY) KillTimer(m_hWnd, kIdleLineTimer);
    return false;
}
