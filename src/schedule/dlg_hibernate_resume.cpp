#include "schedule/dlg_hibernate_resume.h"

#include <commctrl.h>

#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/battery_decision.h"
#include "schedule/battery_win.h"
#include "schedule/local_time_win.h"
#include "schedule/wake_up_time.h"

CDlgHibernateAndResume::CDlgHibernateAndResume(HWND parent) : CDialog(IDD_HIBERNATE_RESUME, parent)
{
    GetLocalTime(&m_date);
    m_time = m_date;
}

void CDlgHibernateAndResume::DoDataExchange(CDataExchange& dx)
{
    if (dx.Saving()) {
        m_option = IsDlgButtonChecked(m_hWnd, IDC_RESUME_AT) == BST_CHECKED ? 1 : 0;
    } else {
        CheckDlgButton(m_hWnd, IDC_RESUME_AFTER, m_option == 1 ? BST_UNCHECKED : BST_CHECKED);
        CheckDlgButton(m_hWnd, IDC_RESUME_AT, m_option == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
    dx.Text(IDC_RESUME_HOURS, m_hours);
    dx.MinMaxInt(IDC_RESUME_HOURS, m_hours, kWakeHoursMin, kWakeHoursMax);
    dx.Text(IDC_RESUME_MINUTES, m_minutes);
    dx.MinMaxInt(IDC_RESUME_MINUTES, m_minutes, kWakeMinutesMin, kWakeMinutesMax);
    if (dx.Failed()) return;
    const struct {
        int id;
        SYSTEMTIME* value;
    } pickers[] = {{IDC_RESUME_DATE, &m_date}, {IDC_RESUME_TIME, &m_time}};
    for (const auto& picker : pickers) {
        HWND control = GetDlgItem(picker.id);
        if (dx.Saving())
            SendMessageW(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(picker.value));
        else
            SendMessageW(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(picker.value));
    }
}

bool CDlgHibernateAndResume::OnInitDialog()
{
    ISettingsStore& profile = AfxProfile();
    // Any stored option but 1 shows as "A&fter", so one radio button is always chosen.
    m_option = profile.ReadInt(kSettingsSection, L"Resume Option", 0) == 1 ? 1 : 0;
    m_hours = profile.ReadInt(kSettingsSection, L"Resume Hours", 0);
    m_minutes = profile.ReadInt(kSettingsSection, L"Resume Mins", 1);
    CDialog::OnInitDialog();

    SetWindowTextW(m_hWnd, (std::wstring(AfxAppTitle()) + L" - Hibernate & WakeUp").c_str());
    SetIcons(IDR_MAINFRAME);
    SendMessageW(GetDlgItem(IDC_RESUME_MINUTES_SPIN), UDM_SETRANGE32, kWakeMinutesMin, kWakeMinutesMax);
    // Without a range of its own the control counts from 100 down to 0.
    SendMessageW(GetDlgItem(IDC_RESUME_HOURS_SPIN), UDM_SETRANGE32, kWakeHoursMin, kWakeHoursMax);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    SendMessageW(GetDlgItem(IDC_RESUME_DATE), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
    SendMessageW(GetDlgItem(IDC_RESUME_TIME), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));

    SetTimer(m_hWnd, kNoteTimer, 1000, nullptr);
    ShowPowerNote();
    return true;
}

void CDlgHibernateAndResume::ShowPowerNote()
{
    const CBattery battery;
    SetDlgItemTextW(m_hWnd, IDC_RESUME_POWER_NOTE, PowerNoteText(battery.m_valid ? battery.m_acLineStatus : 255).c_str());
}

void CDlgHibernateAndResume::OnTimer(UINT_PTR)
{
    ShowPowerNote();
}

void CDlgHibernateAndResume::OnOK()
{
    if (!UpdateData(true)) return;
    const WakeClock now = ReadWakeClock();
    ULONGLONG due = 0;
    bool known = true;
    if (m_option == 1) {
        SYSTEMTIME wake = m_date;
        wake.wHour = m_time.wHour;
        wake.wMinute = m_time.wMinute;
        wake.wSecond = m_time.wSecond;
        wake.wMilliseconds = 0;
        known = LocalTimeToDueTime(wake, due);
    } else {
        due = DueTimeAfter(now, m_hours, m_minutes);
    }
    // A wake-up that passes before the computer is asleep would never wake it.
    if (!known || !WakeTimeAcceptable(due, now)) {
        MessageBoxW(m_hWnd, L"Please selected Date/Time in Future to Continue.", AfxAppTitle(), MB_ICONINFORMATION);
        return;
    }
    ISettingsStore& profile = AfxProfile();
    profile.WriteInt(kSettingsSection, L"Resume Option", m_option);
    profile.WriteInt(kSettingsSection, L"Resume Hours", m_hours);
    profile.WriteInt(kSettingsSection, L"Resume Mins", m_minutes);
    m_dueTime = due;
    EndDialog(IDOK);
}
