#include "timer/vandric_app.h"

#include <commctrl.h>

#include "timer/dlg_schedule.h"
#include "timer/vandric_cancel_win.h"
#include "timer/vandric_command_line.h"

CVandricApp::CVandricApp() : CWinAppBase(L"Vandric") {}

bool CVandricApp::InitInstance()
{
    const VandricCommand command = ParseVandricCommandLine(CommandLineArgs());
    if (command.kind == VandricCommand::Kind::Invalid) {
        MessageBoxW(nullptr, kVandricUsage, AfxAppTitle(), MB_ICONERROR);
        m_exitCode = 2;
        return false;
    }
    if (command.kind == VandricCommand::Kind::Cancel) {
        CancelCountingCopies();
        return false;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetRegistryKey(L"Corvane");
    WarnIfSettingsCannotBeKept();
    WriteProfileString(kSettingsSection, L"LastSchedule", L"");

    if (!m_dlg.Create()) return false;
    m_pMainWnd = &m_dlg;

    // From the command line: "Action", "Duration" and "POM" keep what the
    // schedule window stored last.
    if (command.kind == VandricCommand::Kind::Schedule) {
        m_dlg.StartCountdown(command.minutes, command.action);
        if (command.monitorOff) SwitchMonitorOff();
        return true;
    }

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
