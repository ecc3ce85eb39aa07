#pragma once
// The idle power actions (shut down, hibernate, stand by, log off after their
// idle minutes), evaluated once per 1-second tick. Portable: the settings
// view hands in the tick's idle seconds and carries out what is due through
// IIdleActionHost.
#include <cstdint>
#include <string>

#include "app/app_settings.h"

// In the order the actions are checked.
enum class IdleAction { Shutdown, Hibernate, Standby, LogOff };

// "Action <name> would be performed after <XX> seconds." for the action.
std::wstring IdleActionConfirmationText(IdleAction action);

// A tick more than this many seconds past an action's mark is not a late
// tick but a jump of the clock (the tick count runs on while the computer
// sleeps, and waking is not input): the action then waits for the next idle
// period.
inline constexpr std::uint32_t kIdleActionLateSeconds = 5;

inline constexpr std::uint32_t kNoIdleSample = 0xFFFFFFFFu;

// The due rule: the action runs at the first tick whose idle seconds have
// reached minutes × 60 while the tick before (`previousSeconds`) saw fewer,
// if that tick is at most kIdleActionLateSeconds past the mark. Without a
// previous tick (kNoIdleSample) only the exact second counts, so a program
// started in the middle of a long absence waits for input first. 0 minutes
// (off) is never due; minutes compare as unsigned.
bool IdleActionDue(int minutes, std::uint32_t previousSeconds, std::uint32_t seconds);

class IIdleActionHost {
public:
    virtual ~IIdleActionHost() = default;
    // The 15-second countdown with `message`; true when it ended with IDOK.
    // Runs a nested message loop in which further ticks are evaluated.
    virtual bool ConfirmIdleAction(const std::wstring& message) = 0;
    // Requests the action; `forced` only for log-off and shut-down.
    virtual void RequestIdleAction(IdleAction action, bool forced) = 0;
};

class CIdleActions {
public:
    // One evaluation with the tick's idle seconds. Every tick's value is
    // remembered before any action runs, so a tick nested inside a
    // confirmation never takes up the same action again. Once an action has
    // been requested no later one is checked in this tick: after a log-off,
    // shut-down or suspension the tick's idle value is stale, also when a
    // tick nested in one of its countdowns made the request.
    void Check(CAppSettings& settings, IIdleActionHost& host, std::uint32_t idleSeconds);

private:
    std::uint32_t m_previousSeconds = kNoIdleSample;
    std::uint32_t m_requests = 0;  // requests made so far, wrapping
};
