#pragma once
// Shared by the Win32 tests.
#include <windows.h>

#include <functional>

// HKCU\Software\Corvane\UmbrixTests: the profile of the test application.
extern const wchar_t* const kTestProfileKey;
// Deletes the test profile key and points the application's profile at it again.
void ResetTestProfile();
// Offered each message the test application pre-translates, before the
// framework's own handling; true swallows it. Empty unless a test sets it.
extern std::function<bool(MSG&)> g_preTranslateHook;
