#include "schedule/dlg_duration_selector.h"

#include <commctrl.h>

#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/idle_dialog_values.h"

CDlgDurationSelector::CDlgDurationSelector(HWND parent) : CDialog(IDD_DURATION_SELECTOR, parent)
{
    const DurationValues values = LoadDuration(AfxProfile());
    m_minutes = values.minutes;
    m_enable = values.enable;
    m_lockOnResume = values.lockOnResume;
}

void CDlgDurationSelector::DoDataExchange(CDataExchange& dx)
{
    // The box first: a failed minutes field then still leaves it read.
    dx.Check(IDC_DURATION_ENABLE, m_enable);
    dx.Text(IDC_DURATION_MINUTES, m_minutes);
    dx.MinMaxInt(IDC_DURATION_MINUTES, m_minutes, kIdleDialogMinutesLow, kIdleDialogMinutesHigh);
    dx.Check(IDC_DURATION_LOCK, m_lockOnResume);
}

bool CDlgDurationSelector::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    SendDlgItemMessageW(m_hWnd, IDC_DURATION_MINUTES_SPIN, UDM_SETRANGE32, kIdleDialogMinutesLow,
                        kIdleDialogMinutesHigh);
    UpdateEnabledStates();
    return true;
}

void CDlgDurationSelector::UpdateEnabledStates()
{
    const BOOL enable = m_enable != 0;
    for (int id : {IDC_DURATION_MINUTES_SPIN, IDC_DURATION_MINUTES, IDC_DURATION_LOCK})
        EnableWindow(GetDlgItem(id), enable);
}

bool CDlgDurationSelector::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id != IDC_DURATION_ENABLE || notifyCode != BN_CLICKED) return false;
    UpdateData(true);  // its outcome does not matter here
    UpdateEnabledStates();
    return true;
}

void CDlgDurationSelector::OnOK()
{
    if (!UpdateData(true)) return;
    StoreDuration(AfxProfile(), DurationValues{m_minutes, m_enable, m_lockOnResume});
    EndDialog(IDOK);
}
