#pragma once
// The file name rule of the text-to-speech tool's "Text to .wav". Portable.
#include <string>

// `path` with ".wav" appended unless its last four characters already are
// ".wav" in any letter case. A path shorter than four characters never ends
// so ("" gives ".wav"; callers stop before that on an empty path).
std::wstring EnsureWavExtension(const std::wstring& path);
