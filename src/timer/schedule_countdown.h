#pragma once
// The countdown of a schedule, one call per 1-second tick. Portable: the
// main window feeds it timer ticks and carries out what it answers.
#include <string>

// The tray tip while counting: "Vandric : <remaining> Seconds remaining\nto
// initiate <action>".
std::wstring CountdownTip(int remainingSeconds, const std::wstring& action);
// The tray tip while paused: "Vandric : Paused, <remaining> Seconds
// remaining\nto initiate <action>".
std::wstring PausedTip(int remainingSeconds, const std::wstring& action);

inline constexpr int kAddedSeconds = 10 * 60;
inline constexpr int kMaxScheduleSeconds = 24 * 60 * 60;
// Remaining seconds at which the balloon and the warning window become due.
inline constexpr int kBalloonWarningSeconds = 5 * 60;
inline constexpr int kWindowWarningSeconds = 60;

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
    // `minutes` is 1..120 from the schedule dialog, up to 1440 from the
    // command line.
    void Start(int minutes, const std::wstring& action);
    // One tick. After Start(m) the tips show m*60-1 down to 0, and the tick
    // after the one that showed 0 (m*60+1 seconds after Start) fires.
    // A paused countdown does not advance: None.
    TickResult Tick();

    // Moves the action kAddedSeconds later, the whole schedule up to
    // kMaxScheduleSeconds; false when not counting or already at the cap.
    bool Add();
    bool CanAdd() const { return m_counting && m_limit < kMaxScheduleSeconds; }
    // Pausing or resuming a countdown that is not counting changes nothing.
    void SetPaused(bool paused);
    bool Paused() const { return m_paused; }
    // Seconds the tip shows; the request follows one second after 0.
    int Remaining() const { return m_limit - m_elapsed; }
    // True once per countdown when the balloon is due (counting, at most
    // kBalloonWarningSeconds left, also at once after Start); adding time that
    // lifts the countdown above that point makes it due again later.
    bool TakeBalloonWarning();
    // While true the warning window is on screen.
    bool WarningWindowDue() const { return m_counting && Remaining() <= kWindowWarningSeconds; }

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
    int m_limit = 0;  // seconds
    bool m_paused = false;
    bool m_balloonGiven = false;
    std::wstring m_action;
    int m_elapsed = 0;
    bool m_counting = false;
    bool m_questionOpen = false;
    bool m_due = false;
};
