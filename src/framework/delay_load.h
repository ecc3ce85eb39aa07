#pragma once
// Delay-loaded system libraries. The programs link the libraries that only
// some actions and windows use through delay-import libraries, so that a
// second start, which only finds a window and sends it one message, loads
// none of them. This file installs the delay-load helper's two hooks:
//   - each library is loaded by its full system-directory path, never from
//     the program's folder or the current directory (comctl32 excepted: only
//     its bare name lets the manifest select version 6);
//   - a library or function that cannot be found binds the call to a
//     stand-in that returns the failure value its caller checks for
//     (FailedImportResultFor), with last error ERROR_PROC_NOT_FOUND; the
//     action then reports its own failure, and the process does not end on
//     the helper's unhandled exception. The binding sticks: later calls of
//     that function fail the same way without a new attempt.
// mingw-w64's delay-import thunk saves only the integer argument registers
// while it loads the library: the functions with a floating-point argument
// are left out of the GNU delay-import libraries, so a call of one fails to
// link (ole_dates.h looks up the two in use).
// The hooks are variables the helper reads: nothing is called at start-up,
// but this file must be linked into the executable itself; the link of a
// program that delay-loads requires its symbol umbrix_delay_load_hooks.
#include <windows.h>

// Test seam: the library named dll (as imported, case ignored; null clears)
// is treated as missing when it is first needed. Only a library not loaded
// through the helper yet is affected; once refused, it stays refused.
void RefuseDelayLoadForTests(const char* dll);
