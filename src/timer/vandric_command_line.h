#pragma once
// Vandric's command line: `shutdown|restart MINUTES [brute] [monitoroff]`,
// `logoff MINUTES [monitoroff]`, `cancel`, or nothing. Portable.
#include <string>

inline constexpr int kMaxCommandLineMinutes = 1440;

struct VandricCommand {
    enum class Kind {
        Interactive,  // no arguments: ask for the schedule as always
        Schedule,     // count down at once, without the schedule window
        Cancel,       // end the counting copies of this user and session
        Invalid,      // show kVandricUsage, exit with code 2
    };
    Kind kind = Kind::Interactive;
    std::wstring action;  // Schedule: one of kActionItems
    int minutes = 0;      // Schedule: 1..kMaxCommandLineMinutes
    bool monitorOff = false;
};

// `args` is what follows the program name. Words are separated by blanks or
// tabs, may be quoted with double quotes, and match in any letter case
// (ASCII). `brute` and `monitoroff` may come in either order, each once.
VandricCommand ParseVandricCommandLine(const std::wstring& args);

// The usage message for a command line that does not parse.
extern const wchar_t* const kVandricUsage;
