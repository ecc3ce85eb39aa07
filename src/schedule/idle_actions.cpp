#include "schedule/idle_actions.h"

#include "actions/action_catalog.h"
#include "actions/countdown.h"

namespace {

struct ActionRow {
    IdleAction action;
    CAppSettings::Idle group;
    const wchar_t* name;
    bool hasForced;
};

const ActionRow kRows[] = {
    {IdleAction::Shutdown, CAppSettings::Idle::Shutdown, L"Shutdown Computer", true},
    {IdleAction::Hibernate, CAppSettings::Idle::Hibernate, L"Hibernate Computer", false},
    {IdleAction::Standby, CAppSettings::Idle::Standby, L"Standby Computer", false},
    {IdleAction::LogOff, CAppSettings::Idle::LogOff, L"Log Off Signed On User", true},
};

const ActionRow& RowOf(IdleAction action)
{
    for (const ActionRow& row : kRows)
        if (row.action == action) return row;
    return kRows[0];
}

}  // namespace

std::wstring IdleActionConfirmationText(IdleAction action)
{
    return ReplaceAll(kConfirmActionFormat, L"%s", RowOf(action).name);
}

bool IdleActionDue(int minutes, std::uint32_t previousSeconds, std::uint32_t seconds)
{
    if (minutes == 0) return false;
    // 64 bits: stored minutes of any value times 60 cannot overflow.
    const std::uint64_t mark = static_cast<std::uint64_t>(static_cast<std::uint32_t>(minutes)) * 60u;
    if (previousSeconds == kNoIdleSample) return seconds == mark;
    return previousSeconds < mark && mark <= seconds && seconds - mark <= kIdleActionLateSeconds;
}

void CIdleActions::Check(CAppSettings& settings, IIdleActionHost& host, std::uint32_t idleSeconds)
{
    const std::uint32_t previous = m_previousSeconds;
    m_previousSeconds = idleSeconds;

    IdleGroup groups[4];
    bool any = false;
    for (int i = 0; i < 4; ++i) {
        groups[i] = settings.GetIdle(kRows[i].group);
        any = any || groups[i].minutes != 0;
    }
    if (!any) return;

    const std::uint32_t requestsBefore = m_requests;
    for (int i = 0; i < 4; ++i) {
        // A tick nested in an earlier countdown of this one may have
        // requested an action meanwhile: this tick's idle value is stale too.
        if (m_requests != requestsBefore) return;
        const ActionRow& row = kRows[i];
        const IdleGroup& group = groups[i];
        if (!IdleActionDue(group.minutes, previous, idleSeconds)) continue;
        if (group.confirmation != 0 && !host.ConfirmIdleAction(IdleActionConfirmationText(row.action))) continue;
        ++m_requests;
        host.RequestIdleAction(row.action, row.hasForced && group.forced != 0);
        return;
    }
}
