#pragma once
// Paths of the program's own companions. Portable.
#include <string>

// "<folder>\<fileName>" with every doubled backslash reduced to one, except
// the two that open a network path ("\\server\share"), which must survive.
std::wstring ProgramFilePath(const std::wstring& folder, const std::wstring& fileName);
