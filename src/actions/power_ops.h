#pragma once
// Power and session requests that need the shut-down privilege.
#include <windows.h>

#include "actions/action_catalog.h"

// Enables the shut-down privilege; a failure (including a partial grant) is
// reported in a message box owned by `owner`, and the caller goes on anyway.
void EnableShutdownPrivilege(HWND owner);
// Codes 0 restart, 1 shut down, 4 stand by, 5 hibernate; `forced` applies to
// 0 and 1. The privilege is enabled afresh for every call.
void PowerOperation(int code, HWND owner, bool forced);
// Log off, optionally forced: the privilege, then ExitWindowsEx.
void LogOffOperation(HWND owner, bool forced);
// ExitWindowsEx with `flags` after the privilege step (the menu's commands).
void ExitWindowsOperation(HWND owner, UINT flags);
// Puts the computer to sleep on Vista and later; nothing elsewhere. No
// privilege step.
void SuspendOperation();
// Carries out one planned request.
void IssuePowerRequest(const PowerRequest& request);
