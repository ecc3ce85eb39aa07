#pragma once
// Carries out the launcher commands of the table in launcher_table.h.
#include <windows.h>

#include "shell/launcher_table.h"

// Starts what `command` names for `handler`; false when the command is not a
// launcher of that handler. `owner` owns the one-time service notice.
bool StartLauncher(UINT command, LauncherHandler handler, HWND owner);
