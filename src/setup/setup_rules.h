#pragma once
// What the installer's helper is asked to do, and how it reports programs
// that would not end. Portable: the Win32 side finds the windows, sends the
// messages and waits.
#include <string>
#include <vector>

struct HelperRequest {
    enum class Kind {
        Invalid,
        // Ask every running Umbrix and Vandric to end and wait for them.
        Close,
        // Delete the shortcuts in `folder` whose target is `target`.
        RemoveShortcuts,
    };
    Kind kind = Kind::Invalid;
    unsigned limitMs = 0;    // Close: how long all of them may take together
    std::wstring report;     // Close: file that receives the programs still running
    std::wstring folder;     // RemoveShortcuts
    std::wstring target;     // RemoveShortcuts
};

// The arguments after the program name:
//   close SECONDS REPORT-FILE     (SECONDS 1..600)
//   unlink FOLDER TARGET-PATH
// Anything else is Invalid.
HelperRequest ParseHelperArguments(const std::vector<std::wstring>& args);

// A program that did not end in time.
struct StillRunning {
    std::wstring program;   // "Umbrix" or "Vandric"
    std::wstring path;      // its executable, empty when unknown
    unsigned long processId = 0;
};

// One line per process ("Umbrix (C:\Programs\Umbrix\Umbrix.exe)", or with
// the process id when the path is unknown), each ended by CR LF, in the given
// order; a process met twice is named once.
std::wstring StillRunningReport(const std::vector<StillRunning>& programs);

// The part of `limitMs` not yet used after `elapsedMs`, never negative.
unsigned RemainingMs(unsigned limitMs, unsigned elapsedMs);
