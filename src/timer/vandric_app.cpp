#include "timer/vandric_app.h"

#include <commctrl.h>

#include "timer/dlg_schedule.h"

CVandricApp::CVandricApp() : CWinAppBase(L"Vandric") {}

bool CVandricApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetRegistryKey(L"Corvane");
    WarnIfSettingsCannotBeKept();
    WriteProfileString(kSettingsSection, L"LastSchedule", L"");

    if (!m_dlg.Create()) return false;
    m_pMainWnd = &m_dlg;

    CDlgSchedule schedule;
    if (m_dlg.RunScheduleDialog(schedule) != IDOK) {
        m_dlg.Destroy();
        return false;
    }
    m_dlg.StartCountdown(schedule.m_minutes, schedule.m_action);
    if (schedule.m_monitorOff == 1) SwitchMonitorOff();
    return true;
}

bool CVandricApp::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_HOTKEY) {
        SwitchMonitorOff();
        return true;
    }
    return CWinAppBase::PreTranslateMessage(msg);
}

int CVandricApp::ExitInstance()
{
    m_dlg.Destroy();
    return CWinAppBase::ExitInstance();
}
