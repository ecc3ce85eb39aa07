#pragma once
// What a call of a delay-loaded function returns when its library or the
// function itself cannot be found. Portable.
//
// The call still happens: the delay-load failure hook binds it to a stand-in
// that returns the failure value its caller already checks for, so the
// action reports its own failure instead of the process dying of an
// unhandled delay-load exception.
#include <string_view>

enum class FailedImportResult {
    Zero,            // FALSE, a null handle or pointer, 0 (and void functions)
    FailureHresult,  // a failing HRESULT (COM, OLE Automation, shell folders)
    Win32Error,      // a non-zero error code (RAS, MCI)
};

// dll as named in the import ("WININET.dll"; case ignored), function by its
// exported name; an empty function (import by ordinal) gives Zero.
FailedImportResult FailedImportResultFor(std::string_view dll, std::string_view function);
