#pragma once
// Shared by the Win32 tests.

// HKCU\Software\Corvane\UmbrixTests: the profile of the test application.
extern const wchar_t* const kTestProfileKey;
// Deletes the test profile key and points the application's profile at it again.
void ResetTestProfile();
