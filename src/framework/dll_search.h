#pragma once
// Where the loader looks for a DLL named without a path. By default the
// program's own folder comes first, also for the libraries that system DLLs
// load for the program; a per-user or unpacked installation leaves that
// folder writable by the user, so a DLL placed there would run inside the
// program. Called first thing in every entry point, before anything loads a
// library.
#include <windows.h>

// Limits the default search to the system directory
// (SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)), looked up at run
// time: Windows 7 has it only with update KB2533623. False where it is
// missing or refused; the search then stays the system's default.
bool RestrictDllSearchToSystem();

// Whether RestrictDllSearchToSystem has succeeded in this process.
bool DllSearchRestricted();
