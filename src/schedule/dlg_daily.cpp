#include "schedule/dlg_daily.h"

#include <commctrl.h>

#include "app/date_codec_win.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/daily_schedule.h"
#include "schedule/local_time_win.h"

CDlgDaily::CDlgDaily(HWND parent, CAppSettings& settings) : CDialog(IDD_DAILY, parent), m_settings(settings) {}

void CDlgDaily::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_DAILY_OFF_ENABLED, m_offEnabled);
    dx.Check(IDC_DAILY_CONFIRMATION, m_confirmation);
    dx.Check(IDC_DAILY_LOCK, m_lock);
    dx.Check(IDC_DAILY_ON_ENABLED, m_onEnabled);
}

bool CDlgDaily::OnInitDialog()
{
    ISettingsStore& profile = AfxProfile();
    m_offEnabled = m_settings.GetDailyOffEnabled();
    m_confirmation = profile.ReadInt(kSettingsSection, L"Turn Off Daily Confirmation", 0);
    m_lock = profile.ReadInt(kSettingsSection, L"Lock Daily", 0);
    m_onEnabled = m_settings.GetDailyOnEnabled();
    CDialog::OnInitDialog();
    SetPicker(IDC_DAILY_OFF_TIME, &CAppSettings::GetDailyOffTime);
    SetPicker(IDC_DAILY_ON_TIME, &CAppSettings::GetDailyOnTime);
    UpdateEnabledStates();
    return true;
}

void CDlgDaily::SetPicker(int id, int (CAppSettings::*get)(COleTime&))
{
    // Without a stored time the picker keeps its own start value, now.
    COleTime time;
    SYSTEMTIME value{};
    if ((m_settings.*get)(time) && time.valid && OleDateToSystemTime(time.value, value))
        SendMessageW(GetDlgItem(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

double CDlgDaily::ReadPicker(int id) const
{
    SYSTEMTIME value{};
    double date = 0;
    if (SendMessageW(GetDlgItem(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)) == GDT_VALID)
        SystemTimeToOleDate(value, date);
    return date;
}

void CDlgDaily::UpdateEnabledStates()
{
    const BOOL off = m_offEnabled != 0;
    EnableWindow(GetDlgItem(IDC_DAILY_OFF_TIME), off);
    EnableWindow(GetDlgItem(IDC_DAILY_CONFIRMATION), off);
    EnableWindow(GetDlgItem(IDC_DAILY_LOCK), off);
    EnableWindow(GetDlgItem(IDC_DAILY_ON_TIME), m_onEnabled != 0);
}

bool CDlgDaily::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if ((id != IDC_DAILY_OFF_ENABLED && id != IDC_DAILY_ON_ENABLED) || notifyCode != BN_CLICKED) return false;
    UpdateData(true);
    UpdateEnabledStates();
    return true;
}

void CDlgDaily::OnOK()
{
    if (!UpdateData(true)) return;
    const double off = ReadPicker(IDC_DAILY_OFF_TIME);
    const double on = ReadPicker(IDC_DAILY_ON_TIME);
    if (SameTimeOfDay(off, on)) {
        MessageBoxW(m_hWnd,
                    L"Umbrix and Turn On Monitor must be different.\nPlease Enter different values and try again.",
                    AfxAppTitle(), MB_ICONERROR);
        return;
    }
    ISettingsStore& profile = AfxProfile();
    m_settings.SetDailyOffEnabled(m_offEnabled);
    profile.WriteInt(kSettingsSection, L"Turn Off Daily Confirmation", m_confirmation);
    m_settings.SetDailyOffTime(COleTime{off, true});
    profile.WriteInt(kSettingsSection, L"Lock Daily", m_lock);
    m_settings.SetDailyOnEnabled(m_onEnabled);
    m_settings.SetDailyOnTime(COleTime{on, true});
    EndDialog(IDOK);
}

void OnDailySchedule(HWND owner)
{
    CDlgDaily dialog(owner, AppSettings());
    dialog.DoModal();
}
