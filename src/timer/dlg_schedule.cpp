#include "timer/dlg_schedule.h"

#include <vector>

#include "framework/app.h"
#include "resources/vandric_resource.h"
#include "timer/scheduled_action.h"

namespace {

const UINT_PTR kClockTimer = 2;

// A stored 0/1 value; anything else reads as the default.
int StoredFlag(const wchar_t* name, int def)
{
    const int value = AfxProfile().ReadInt(kSettingsSection, name, def);
    return value == 0 || value == 1 ? value : def;
}

std::wstring FormattedNow(DWORD dateFlags)
{
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, dateFlags, nullptr, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 128);
    return std::wstring(date) + L" " + time;
}

}  // namespace

std::wstring LocalDateTimeText()
{
    return FormattedNow(DATE_SHORTDATE);
}

CDlgSchedule::CDlgSchedule() : CDialog(IDD_VANDRIC_SCHEDULE) {}

void CDlgSchedule::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_SCHEDULE_MONITOR_OFF, m_monitorOff);
    dx.Text(IDC_SCHEDULE_LAST, m_lastSchedule);
}

bool CDlgSchedule::OnInitDialog()
{
    ISettingsStore& profile = AfxProfile();
    m_monitorOff = StoredFlag(L"POM", 1);
    const std::wstring last = profile.ReadString(kSettingsSection, L"LastSchedule", L"");
    m_lastSchedule = last.empty() ? L"" : L"Last Schedule : " + last;
    CDialog::OnInitDialog();
    SetIcons(IDI_VANDRIC);

    HWND minutes = GetDlgItem(IDC_SCHEDULE_MINUTES);
    for (int m = kMinMinutes; m <= kMaxMinutes; ++m)
        SendMessageW(minutes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(m).c_str()));
    if (auto index = DurationListIndex(profile.ReadInt(kSettingsSection, L"Duration", 60)))
        SendMessageW(minutes, CB_SETCURSEL, static_cast<WPARAM>(*index), 0);

    HWND actions = GetDlgItem(IDC_SCHEDULE_ACTION);
    for (const wchar_t* item : kActionItems) SendMessageW(actions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    if (auto index = ActionListIndex(profile.ReadString(kSettingsSection, L"Action", L"Shutdown")))
        SendMessageW(actions, CB_SETCURSEL, static_cast<WPARAM>(*index), 0);

    SetTimer(m_hWnd, kClockTimer, 1000, nullptr);
    return true;
}

void CDlgSchedule::OnTimer(UINT_PTR)
{
    SetDlgItemTextW(m_hWnd, IDC_SCHEDULE_CURRENT, (L"Current : " + LocalDateTimeText()).c_str());
}

void CDlgSchedule::Refuse(int listId, const wchar_t* message)
{
    MessageBoxW(m_hWnd, message, AfxAppTitle(), MB_ICONINFORMATION);
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(listId)), TRUE);
}

void CDlgSchedule::OnOK()
{
    if (!UpdateData(true)) return;
    ISettingsStore& profile = AfxProfile();

    HWND actions = GetDlgItem(IDC_SCHEDULE_ACTION);
    const LRESULT action = SendMessageW(actions, CB_GETCURSEL, 0, 0);
    if (action == CB_ERR) {
        Refuse(IDC_SCHEDULE_ACTION, L"Please select the Action to perform to continue.");
        return;
    }
    const LRESULT length = SendMessageW(actions, CB_GETLBTEXTLEN, static_cast<WPARAM>(action), 0);
    std::vector<wchar_t> text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(actions, CB_GETLBTEXT, static_cast<WPARAM>(action), reinterpret_cast<LPARAM>(text.data()));
    m_action = text.data();
    profile.WriteString(kSettingsSection, L"Action", m_action);

    const LRESULT minutes = SendMessageW(GetDlgItem(IDC_SCHEDULE_MINUTES), CB_GETCURSEL, 0, 0);
    if (minutes == CB_ERR) {
        Refuse(IDC_SCHEDULE_MINUTES, L"Please select Duration to continue.");
        return;
    }
    m_minutes = static_cast<int>(minutes) + 1;
    profile.WriteInt(kSettingsSection, L"Duration", m_minutes);
    profile.WriteString(kSettingsSection, L"LastSchedule", LocalDateTimeText());
    profile.WriteInt(kSettingsSection, L"POM", m_monitorOff);

    KillTimer(m_hWnd, kClockTimer);
    EndDialog(IDOK);
}
