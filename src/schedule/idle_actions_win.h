#pragma once
// Carries out the idle power actions for the settings view: the 15-second
// countdown, then the request through the system interface.
#include <windows.h>

#include "schedule/idle_actions.h"

class CIdleActionRequests final : public IIdleActionHost {
public:
    // `owner`: the settings view's window, owner of the countdown and of the
    // privilege message.
    explicit CIdleActionRequests(HWND owner) : m_owner(owner) {}

    bool ConfirmIdleAction(const std::wstring& message) override;
    // Nobody may be at the machine: the request goes out first and a failed
    // privilege step is reported afterwards, so a message box waiting for a
    // user who is away cannot hold the request back until that user returns.
    void RequestIdleAction(IdleAction action, bool forced) override;

private:
    HWND m_owner;
};
