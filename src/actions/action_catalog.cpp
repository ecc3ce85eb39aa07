#include "actions/action_catalog.h"

namespace {

using Op = ActionOp;

// Entries 7, 8, 13 and 17 ask through their own operation, because their menu
// commands reach the same operation without going through the dispatcher.
constexpr ActionEntry kCatalogue[kActionCount] = {
    {1, L"ShutDown Computer", L"ShutDown Computer", Op::PowerOperation, 1, false, false},
    {2, L"ShutDown Computer (Brute)", L"ShutDown Computer (Brute)", Op::PowerOperation, 1, true, false},
    {3, L"LogOff Current User", L"LogOff Current User", Op::LogOff, 0, false, false},
    {4, L"LogOff Current User (Brute)", L"LogOff Current User (Brute)", Op::LogOff, 0, true, false},
    {5, L"Restart Computer", L"Restart Computer", Op::PowerOperation, 0, false, false},
    {6, L"Restart Computer (Brute)", L"Restart Computer (Brute)", Op::PowerOperation, 0, true, false},
    {7, L"Close All IE Windows", L"Close All IE Windows", Op::CloseAllBrowserWindows, 0, false, true},
    {8, L"Eject Optical Drive", L"Eject Optical Drive", Op::EjectOpticalDrive, 0, false, true},
    {9, L"Umbrix", L"Umbrix", Op::MonitorOff, 0, false, false},
    {10, L"Stand By Computer", L"StandBy Computer", Op::PowerOperation, 4, false, false},
    {11, L"Hibernate Computer", L"Hibernate Computer", Op::PowerOperation, 5, false, false},
    {12, L"Turn On Monitor", L"Turn On Monitor", Op::MonitorOn, 0, false, false},
    {13, L"Hibernate & WakeUp", L"Hibernate && WakeUp", Op::HibernateAndWakeUp, 0, false, true},
    {14, L"Lock & Monitor Off", L"Lock WorkStation & Monitor Off", Op::LockAndMonitorOff, 0, false, false},
    {15, L"Start Default ScreenSaver", L"Start Default ScreenSaver", Op::StartDefaultScreenSaver, 0, false, false},
    {16, L"Switch to Windows Classic Theme", L"Windows Classic Theme", Op::SwitchToClassicTheme, 0, false, false},
    {17, L"Suspend Computer", L"Suspend Computer", Op::Suspend, 0, false, true},
    {18, L"Toggle Mute Volume", L"Toggle Mute Volume", Op::ToggleMute, 0, false, false},
    {19, L"Mute Volume", L"Mute Volume", Op::Mute, 0, false, false},
    {20, L"Step Up Volume", L"Step Up Volume", Op::StepUpVolume, 0, false, false},
    {21, L"Step Down Volume", L"Step Down Volume", Op::StepDownVolume, 0, false, false},
};

PowerRequest ExitWindows(unsigned flags)
{
    PowerRequest request;
    request.kind = PowerRequest::Kind::ExitWindows;
    request.exitFlags = flags;
    return request;
}

PowerRequest SystemPowerState(bool suspend, bool force)
{
    PowerRequest request;
    request.kind = PowerRequest::Kind::SetSystemPowerState;
    request.arg1 = suspend;
    request.arg2 = force;
    return request;
}

PowerRequest SuspendState(bool hibernate)
{
    PowerRequest request;
    request.kind = PowerRequest::Kind::SetSuspendState;
    request.arg1 = hibernate;
    return request;
}

}  // namespace

const ActionEntry* FindAction(int number)
{
    if (number < 1 || number > kActionCount)
        return nullptr;
    return &kCatalogue[number - 1];
}

ActionDecision DecideAction(int number)
{
    ActionDecision decision;
    // The offset is taken off once only: 2009 becomes 1009, which names nothing.
    decision.confirmFirst = number >= kConfirmOffset;
    if (decision.confirmFirst)
        number -= kConfirmOffset;

    if (number == kNoAction)
        return decision;

    decision.entry = FindAction(number);
    if (!decision.entry) {
        decision.kind = ActionDecision::Kind::ShowSettings;
        return decision;
    }
    decision.kind = ActionDecision::Kind::Run;
    decision.confirmBeforeRun = decision.confirmFirst && !decision.entry->asksItself;
    return decision;
}

PowerRequest PlanPowerOperation(int code, bool forced, int versionClass)
{
    const unsigned force = forced ? kEwxForce : 0u;
    switch (code) {
    case 0:
        return ExitWindows(kEwxReboot | force);
    case 1:
        return ExitWindows(kEwxShutdown | force);
    case 4:
        return SystemPowerState(true, true);
    case 5:
        // From Vista on, SetSuspendState is the supported way to hibernate;
        // older systems only have SetSystemPowerState.
        if (versionClass == kVersionClassVista)
            return SuspendState(true);
        return SystemPowerState(false, false);
    default:
        return PowerRequest();
    }
}

PowerRequest PlanLogOff(bool forced)
{
    return ExitWindows(kEwxLogOff | (forced ? kEwxForce : 0u));
}

PowerRequest PlanSuspend(int versionClass)
{
    if (versionClass == kVersionClassVista)
        return SuspendState(false);
    return PowerRequest();
}
