#include "timer/schedule_countdown.h"

std::wstring CountdownTip(int remainingSeconds, const std::wstring& action)
{
    return L"Vandric : " + std::to_wstring(remainingSeconds) + L" Seconds remaining\nto initiate " + action;
}

std::wstring PausedTip(int remainingSeconds, const std::wstring& action)
{
    return L"Vandric : Paused, " + std::to_wstring(remainingSeconds) + L" Seconds remaining\nto initiate " + action;
}

void CScheduleCountdown::Start(int minutes, const std::wstring& action)
{
    m_minutes = minutes;
    m_action = action;
    m_limit = minutes * 60;
    m_elapsed = 0;
    m_counting = true;
    m_due = false;
    m_paused = false;
    m_balloonGiven = false;
}

CScheduleCountdown::TickResult CScheduleCountdown::Tick()
{
    if (!m_counting || m_paused) return {Step::None, 0};
    ++m_elapsed;
    const int limit = m_limit;
    if (limit < m_elapsed) {
        m_counting = false;
        if (m_questionOpen) {
            m_due = true;
            return {Step::Hold, 0};
        }
        return {Step::Fire, 0};
    }
    return {Step::ShowTip, limit - m_elapsed};
}

CScheduleCountdown::ExitOutcome CScheduleCountdown::EndExitQuestion(bool yes)
{
    m_questionOpen = false;
    if (yes) {
        m_counting = false;
        m_due = false;
        return ExitOutcome::EndWithoutRequest;
    }
    if (m_due) {
        m_due = false;
        return ExitOutcome::RequestThenEnd;
    }
    return ExitOutcome::KeepCounting;
}

bool CScheduleCountdown::Add()
{
    if (!CanAdd()) return false;
    m_limit = m_limit + kAddedSeconds < kMaxScheduleSeconds ? m_limit + kAddedSeconds : kMaxScheduleSeconds;
    if (Remaining() > kBalloonWarningSeconds) m_balloonGiven = false;
    return true;
}

void CScheduleCountdown::SetPaused(bool paused)
{
    if (m_counting) m_paused = paused;
}

bool CScheduleCountdown::TakeBalloonWarning()
{
    if (!m_counting || m_balloonGiven || Remaining() > kBalloonWarningSeconds) return false;
    m_balloonGiven = true;
    return true;
}
