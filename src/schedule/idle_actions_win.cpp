#include "schedule/idle_actions_win.h"

#include "actions/action_catalog.h"
#include "actions/display_ops.h"
#include "actions/dlg_confirmation.h"
#include "actions/power_ops.h"
#include "actions/system_requests.h"

namespace {

constexpr int kIdleActionCountdownSeconds = 15;

PowerRequest RequestFor(IdleAction action, bool forced)
{
    switch (action) {
    case IdleAction::Shutdown:
        return PlanPowerOperation(1, forced, GetWindowsVersionClass());
    case IdleAction::LogOff:
        return PlanLogOff(forced);
    case IdleAction::Hibernate:
        return PlanPowerOperation(5, false, GetWindowsVersionClass());
    case IdleAction::Standby:
        break;
    }
    return PlanPowerOperation(4, false, GetWindowsVersionClass());
}

}  // namespace

bool CIdleActionRequests::ConfirmIdleAction(const std::wstring& message)
{
    CDlgConfirmation dlg(m_owner);
    dlg.m_seconds = kIdleActionCountdownSeconds;
    dlg.m_message = message;
    return dlg.DoModal() == IDOK;
}

void CIdleActionRequests::RequestIdleAction(IdleAction action, bool forced)
{
    const DWORD privilege = System().EnableShutdownPrivilege();
    IssuePowerRequest(RequestFor(action, forced));
    if (privilege != ERROR_SUCCESS)
        MessageBoxW(m_owner, L"AdjustTokenPrivileges enable failed.", L"Umbrix", MB_ICONINFORMATION);
}
