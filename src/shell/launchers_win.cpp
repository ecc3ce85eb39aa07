#include "shell/launchers.h"

#include <windows.h>

#include "actions/display_ops.h"
#include "actions/system_requests.h"

void StartKeyboardShortcutCompanion(bool atStartup)
{
    System().ShellExecuteFile(L"open", CompanionPath(L"Tarnwick.exe"),
                          atStartup ? L":LaunchedFromUBXCheck" : L":LaunchedFromUBX", SW_SHOW);
}
