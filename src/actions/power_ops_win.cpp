#include "actions/power_ops.h"

#include "actions/display_ops.h"
#include "actions/system_requests.h"

void EnableShutdownPrivilege(HWND owner)
{
    if (System().EnableShutdownPrivilege() != ERROR_SUCCESS)
        MessageBoxW(owner, L"AdjustTokenPrivileges enable failed.", L"Umbrix", MB_ICONINFORMATION);
}

void IssuePowerRequest(const PowerRequest& request)
{
    // The system's answers are deliberately not examined: a refused request
    // leaves nothing for the program to do.
    ISystemRequests& system = System();
    switch (request.kind) {
    case PowerRequest::Kind::ExitWindows:
        system.ExitWindowsEx(request.exitFlags, 0);
        break;
    case PowerRequest::Kind::SetSystemPowerState:
        system.SetSystemPowerState(request.arg1, request.arg2);
        break;
    case PowerRequest::Kind::SetSuspendState:
        system.SetSuspendState(request.arg1, request.arg2, request.arg3);
        break;
    case PowerRequest::Kind::None:
        break;
    }
}

void PowerOperation(int code, HWND owner, bool forced)
{
    EnableShutdownPrivilege(owner);
    IssuePowerRequest(PlanPowerOperation(code, forced, GetWindowsVersionClass()));
}

void LogOffOperation(HWND owner, bool forced)
{
    EnableShutdownPrivilege(owner);
    IssuePowerRequest(PlanLogOff(forced));
}

void ExitWindowsOperation(HWND owner, UINT flags)
{
    EnableShutdownPrivilege(owner);
    System().ExitWindowsEx(flags, 0);
}

void SuspendOperation()
{
    IssuePowerRequest(PlanSuspend(GetWindowsVersionClass()));
}
