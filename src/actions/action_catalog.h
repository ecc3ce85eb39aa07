#pragma once
// The 21 numbered actions and the decisions of the dispatcher and the power
// operations. Portable: the frame carries out what these functions decide.

// The operation behind a catalogue entry.
enum class ActionOp {
    PowerOperation,          // `code` and `forced` below
    LogOff,                  // privilege, then ExitWindowsEx(EWX_LOGOFF [+ EWX_FORCE])
    CloseAllBrowserWindows,
    EjectOpticalDrive,
    MonitorOff,
    MonitorOn,
    HibernateAndWakeUp,
    LockAndMonitorOff,
    StartDefaultScreenSaver,
    SwitchToClassicTheme,
    Suspend,
    ToggleMute,
    Mute,
    StepUpVolume,
    StepDownVolume,
};

struct ActionEntry {
    int number;                        // 1..21
    const wchar_t* name;               // entry text of the desktop-shortcut list
    const wchar_t* confirmationName;   // put into kConfirmActionFormat
    ActionOp op;
    int code;                          // PowerOperation code (0 restart, 1 shut down, 4 stand by, 5 hibernate)
    bool forced;                       // PowerOperation / LogOff
    bool asksItself;                   // the operation confirms on its own when m_confirmFirst is set
};

inline constexpr int kActionCount = 21;
inline constexpr int kConfirmOffset = 1000;
inline constexpr int kNoAction = -1;

// "%s" is the action's confirmation name, "<XX>" the remaining seconds.
inline constexpr const wchar_t* kConfirmActionFormat = L"Action %s would be performed after <XX> seconds.";

// The entry for 1..21, else nullptr.
const ActionEntry* FindAction(int number);

// What RunAction does with a number.
struct ActionDecision {
    enum class Kind { Ignore, ShowSettings, Run };
    Kind kind = Kind::Ignore;
    bool confirmFirst = false;     // the new value of m_confirmFirst
    bool confirmBeforeRun = false; // ask with ConfirmAction before running `entry`
    const ActionEntry* entry = nullptr;  // set for Kind::Run
};
ActionDecision DecideAction(int number);

// One platform power request, or none.
struct PowerRequest {
    enum class Kind { None, ExitWindows, SetSystemPowerState, SetSuspendState };
    Kind kind = Kind::None;
    unsigned exitFlags = 0;  // ExitWindows: EWX_* flags (reason is always 0)
    bool arg1 = false;       // SetSystemPowerState(suspend, force) / SetSuspendState(hibernate, forceCritical, disableWake)
    bool arg2 = false;
    bool arg3 = false;
};

inline constexpr int kVersionClassVista = 106;

// ExitWindowsEx flags, spelled out so this file needs no <windows.h>.
inline constexpr unsigned kEwxLogOff = 0;
inline constexpr unsigned kEwxShutdown = 1;
inline constexpr unsigned kEwxReboot = 2;
inline constexpr unsigned kEwxForce = 4;

// PowerOperation's request for `code` (0 restart, 1 shut down, 4 stand by,
// 5 hibernate) after the privilege step. An unknown code gives Kind::None.
PowerRequest PlanPowerOperation(int code, bool forced, int versionClass);
// The log-off request of actions 3 and 4 and the menu's log-off commands.
PowerRequest PlanLogOff(bool forced);
// Suspend: SetSuspendState(FALSE, FALSE, FALSE) on class 106, nothing elsewhere.
PowerRequest PlanSuspend(int versionClass);
