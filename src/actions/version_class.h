#pragma once
// The operating-system version classification. Portable: the Win32 side
// (GetWindowsVersionClass) asks the system and hands the numbers in.

// platform: 1 Windows 95 family, 2 NT family, 3 CE; build: low 16 bits are used.
// Returns 1..7, 101..106, 201, or 0 for anything unknown.
int ClassifyWindowsVersion(unsigned platform, unsigned major, unsigned minor, unsigned build);
