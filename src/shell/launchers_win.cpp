#include "shell/launchers.h"

#include <windows.h>

#include "actions/display_ops.h"
#include "actions/system_requests.h"
#include "app/settings_store.h"
#include "framework/app.h"
#include "framework/win_text.h"
#include "shell/launcher_commands.h"

void StartKeyboardShortcutCompanion(bool atStartup)
{
    System().ShellExecuteFile(L"open", CompanionPath(L"Tarnwick.exe"),
                          atStartup ? L":LaunchedFromUBXCheck" : L":LaunchedFromUBX", SW_SHOW);
}

bool StartLauncher(UINT command, LauncherHandler handler, HWND owner)
{
    const Launcher* launcher = FindLauncher(command, handler);
    if (!launcher) return false;
    if (launcher->serviceNotice) {
        ISettingsStore& profile = AfxProfile();
        if (profile.ReadInt(kSettingsSection, L"ServiceMessageDisplayed", 0) == 0) {
            profile.WriteInt(kSettingsSection, L"ServiceMessageDisplayed", 1);
            MessageBoxW(owner, ServiceNoticeText(), L"Umbrix", MB_ICONINFORMATION);
        }
    }
    std::wstring file;
    switch (launcher->base) {
    case LauncherBase::SystemDirectory: file = GetSystemDirectoryString() + launcher->file; break;
    case LauncherBase::ProgramFolder: file = CompanionPath(launcher->file); break;
    case LauncherBase::Address: file = launcher->file; break;
    }
    System().ShellExecuteFile(launcher->verb, file, launcher->parameters,
                              launcher->show == LauncherShow::Maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    return true;
}
