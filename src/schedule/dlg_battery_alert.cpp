#include "schedule/dlg_battery_alert.h"

#include <commctrl.h>

#include "actions/dlg_define_text.h"
#include "app/app_settings.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/battery_decision.h"
#include "schedule/battery_win.h"

CDlgBatteryAlert::CDlgBatteryAlert(HWND parent) : CDialog(IDD_BATTERY_ALERT, parent) {}

void CDlgBatteryAlert::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_BATTERY_ALERT_ENABLED, m_alert);
}

bool CDlgBatteryAlert::OnInitDialog()
{
    m_alert = AfxProfile().ReadInt(kSettingsSection, L"Display Low Battery Alert", 0);
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    SendMessageW(GetDlgItem(IDC_BATTERY_CHARGE), PBM_SETRANGE32, 0, 100);
    ShowCharge();
    SetTimer(m_hWnd, kRefreshTimer, 1000, nullptr);
    return true;
}

void CDlgBatteryAlert::ShowCharge()
{
    const CBattery battery;
    const bool known = battery.m_valid && battery.m_lifePercent <= 100;
    SendMessageW(GetDlgItem(IDC_BATTERY_CHARGE), PBM_SETPOS, known ? battery.m_lifePercent : 0, 0);
    SetDlgItemTextW(m_hWnd, IDC_BATTERY_STATUS,
                    BatteryStatusText(battery.m_valid != 0, battery.m_batteryFlag, battery.m_lifePercent,
                                      battery.m_acLineStatus)
                        .c_str());
}

void CDlgBatteryAlert::OnTimer(UINT_PTR)
{
    ShowCharge();
}

bool CDlgBatteryAlert::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id != IDC_BATTERY_DEFINE_TEXT || notifyCode != BN_CLICKED) return false;
    OnDefineText();
    return true;
}

void CDlgBatteryAlert::OnDefineText()
{
    // Like the other alert texts, an edited text is stored as soon as its
    // editor closes with OK, whatever becomes of this dialog.
    ISettingsStore& profile = AfxProfile();
    CDlgDefineText editor(m_hWnd);
    editor.m_text = ReadLowPowerText(profile);
    if (editor.DoModal() == IDOK) WriteLowPowerText(profile, editor.m_text);
}

void CDlgBatteryAlert::OnOK()
{
    if (!UpdateData(true)) return;
    AfxProfile().WriteInt(kSettingsSection, L"Display Low Battery Alert", m_alert);
    EndDialog(IDOK);
}

void OnBatteryAlert(HWND owner)
{
    CDlgBatteryAlert dialog(owner);
    dialog.DoModal();
}
