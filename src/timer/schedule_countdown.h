#pragma once
// The countdown of a schedule, one call per 1-second tick. Portable: the
// main window feeds it timer ticks and carries out what it answers.
#include <string>

// The tray tip while counting: "Vandric : <remaining> Seconds remaining\nto
// initiate <action>".
std::wstring CountdownTip(int remainingSeconds, const std::wstring& action);

class CScheduleCountdown {
public:
    enum class Step {
        None,      // not counting: nothing to do
        ShowTip,   // show CountdownTip(remaining, action)
        Fire,      // stop the timer, request the operation, end the program
        Hold,      // the limit passed while the Exit question is open: stop the
                   // timer and wait for the answer
    };
    struct TickResult {
        Step step;
        int remaining;  // seconds, for ShowTip
    };
    enum class ExitOutcome {
        EndWithoutRequest,  // Yes: end the program, nothing is requested
        RequestThenEnd,     // No, but the countdown ran out meanwhile
        KeepCounting,       // No: the countdown goes on
    };

    // (Re)starts from zero: a running countdown is replaced, not added to.
    // `minutes` is 1..120 as the schedule dialog offers it.
    void Start(int minutes, const std::wstring& action);
    // One tick. After Start(m) the tips show m*60-1 down to 0, and the tick
    // after the one that showed 0 (m*60+1 seconds after Start) fires.
    TickResult Tick();

    // The Exit question is on screen from Begin until End. A countdown that
    // runs out meanwhile only becomes due; the answer decides what happens.
    void BeginExitQuestion() { m_questionOpen = true; }
    ExitOutcome EndExitQuestion(bool yes);
    bool ExitQuestionOpen() const { return m_questionOpen; }

    bool Counting() const { return m_counting; }
    int Minutes() const { return m_minutes; }
    int Elapsed() const { return m_elapsed; }
    const std::wstring& Action() const { return m_action; }

private:
    int m_minutes = 0;
    std::wstring m_action;
    int m_elapsed = 0;
    bool m_counting = false;
    bool m_questionOpen = false;
    bool m_due = false;
};
