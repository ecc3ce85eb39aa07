#pragma once
// Text operations on Windows paths. Portable.
#include <string>

// Replaces every run of backslashes by a single one, except a leading "\\"
// (a network path such as \\server\share, or \\?\), which stays doubled.
std::wstring CollapseDoubleBackslashes(std::wstring path);

// The folder part of a path: everything before its last backslash.
std::wstring FolderOfPath(const std::wstring& modulePath);
