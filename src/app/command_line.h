#pragma once
// Command-line grammar of Umbrix: what a first instance does with its
// arguments and what a second start hands to the running instance. Portable.
#include <string>

// Decimal text-to-integer conversion as the C runtime's _wtoi does it: leading
// blanks, an optional sign, then digits; anything after them is ignored and no
// digits give 0. Out-of-range values saturate to INT_MIN / INT_MAX instead of
// overflowing.
int ParseDecimal(const std::wstring& text);

// What follows the program name on a command line: the first word, or the
// quoted text when it starts with a quote, is the program; the blanks after
// it are skipped. As Windows itself splits it, whatever way the program was
// named (full path, relative path, short name, name typed in a console).
std::wstring ArgumentsAfterProgramName(const std::wstring& commandLine);

// The argument text of the single-instance step: the arguments after the
// program name, with every (case-sensitive) occurrence of the module path
// removed, every double quote removed, and blanks trimmed at both ends.
std::wstring ExtractArgumentText(const std::wstring& fullCommandLine, const std::wstring& modulePath);
// The same for arguments already split from the program name.
std::wstring CleanArgumentText(const std::wstring& arguments, const std::wstring& modulePath);

// What a start sends to an instance that already runs.
enum class HandOver { ShowSettings, Nothing, RunAction, MonitorOff };

struct SingleInstanceDecision {
    HandOver request = HandOver::Nothing;
    int startAction = -1;  // the number read from the argument text; -1 when none
};

// `typedArgs` is the argument part of the command line as typed (case kept);
// `argumentText` is the result of ExtractArgumentText. The tests are
// case-sensitive: ":settings", then ":silent", then a non-empty argument text.
SingleInstanceDecision DecideSingleInstance(const std::wstring& typedArgs, const std::wstring& argumentText);

// What a first instance does with its command line at the end of start-up.
enum class StartCommand { Nothing, ShowSettings, RunAction, MonitorOff };

// `typedArgs` is compared in lower case: ":silent" wins over ":settings";
// otherwise a start action of 0 or more is run, anything else switches the
// monitor off.
StartCommand DecideStartCommand(const std::wstring& typedArgs, int startAction);

// What a start that finds no running frame does, looked at again every few
// milliseconds while it waits.
enum class StartWaitStep {
    HandOver,        // the running instance's frame exists: hand the request to it
    BecomeInstance,  // no other start of this user and session lives
    KeepWaiting,
    FrontHelpVideos, // bring the other start's help-videos window to the front, then end without the request
    GiveUp,          // the limit has passed: say so, then end without the request
};

struct StartWaitState {
    bool frameFound = false;
    // Another start of this user and session holds the start mutex (private to
    // both); a start of another user or session, or any program holding the
    // instance's machine-wide name, never makes a start wait.
    bool otherStartHolds = false;
    bool helpVideosOpen = false;  // the other start's first-start window is open
    unsigned long elapsedMs = 0;
};

inline constexpr unsigned long kStartWaitLimitMs = 30000;

StartWaitStep DecideStartWait(const StartWaitState& state, unsigned long limitMs);

// The wait limit in milliseconds: `overrideText` when it is a whole number
// of digits not above kStartWaitLimitMs (tests shorten the wait), else
// kStartWaitLimitMs.
unsigned long StartWaitLimitMs(const std::wstring& overrideText);
