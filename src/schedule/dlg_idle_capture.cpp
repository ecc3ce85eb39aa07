#include "schedule/dlg_idle_capture.h"

#include <commctrl.h>

#include "actions/dlg_define_text.h"
#include "framework/app.h"
#include "resources/resource.h"

CDlgIdleCapture::CDlgIdleCapture(HWND parent) : CDialog(IDD_IDLE_CAPTURE, parent) {}

void CDlgIdleCapture::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_IDLE_ENABLE, m_enable);
    dx.Text(IDC_IDLE_MINUTES, m_minutes);
    dx.MinMaxInt(IDC_IDLE_MINUTES, m_minutes, kIdleDialogMinutesLow, kIdleDialogMinutesHigh);
    dx.Check(IDC_IDLE_LOCK, m_lockOnResume);
    dx.Check(IDC_IDLE_ALERT, m_alert);
}

bool CDlgIdleCapture::OnInitDialog()
{
    const IdleCaptureValues values = LoadIdleCapture(AfxProfile(), m_mode);
    m_enable = values.enable;
    m_minutes = values.minutes;
    m_lockOnResume = values.lockOnResume;
    m_alert = values.alert;

    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    SendDlgItemMessageW(m_hWnd, IDC_IDLE_MINUTES_SPIN, UDM_SETRANGE32, kIdleDialogMinutesLow, kIdleDialogMinutesHigh);
    UpdateEnabledStates();
    if (m_mode == kIdleCaptureScreenSaver) {
        SetWindowTextW(m_hWnd, L"Start Default ScreenSaver if Computer Idle");
        SetDlgItemTextW(m_hWnd, IDC_IDLE_ENABLE, L"Start ScreenSaver if Computer Idle");
    }
    return true;
}

void CDlgIdleCapture::UpdateEnabledStates()
{
    const BOOL enable = m_enable != 0;
    for (int id : {IDC_IDLE_MINUTES_SPIN, IDC_IDLE_LOCK, IDC_IDLE_MINUTES, IDC_IDLE_ALERT, IDC_IDLE_ALERT_TEXT})
        EnableWindow(GetDlgItem(id), enable);
}

bool CDlgIdleCapture::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_IDLE_ENABLE) {
        // A failed validation has shown its message; the box is read first,
        // so the states follow it all the same.
        UpdateData(true);
        UpdateEnabledStates();
        return true;
    }
    if (id == IDC_IDLE_ALERT_TEXT) {
        OnEditAlertText();
        return true;
    }
    return false;
}

void CDlgIdleCapture::OnEditAlertText()
{
    ISettingsStore& profile = AfxProfile();
    CDlgDefineText editor(m_hWnd);
    editor.m_text = ReadIdleCaptureAlertText(profile, m_mode);
    if (editor.DoModal() == IDOK) WriteIdleCaptureAlertText(profile, m_mode, editor.m_text);
}

void CDlgIdleCapture::OnOK()
{
    if (!UpdateData(true)) return;
    StoreIdleCapture(AfxProfile(), m_mode, IdleCaptureValues{m_enable, m_minutes, m_lockOnResume, m_alert});
    EndDialog(IDOK);
}
