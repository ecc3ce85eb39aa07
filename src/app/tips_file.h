#pragma once
// The tips text file: its path and the eight lines it is seeded with. Portable.
#include <string>

#include "framework/path_text.h"

// "<folder>\<title>.ini" with doubled backslashes collapsed.
std::wstring TipsFilePath(const std::wstring& folder, const std::wstring& title);

// The seeded content: eight lines, each ending in CR LF, as bytes in the ANSI
// form the file is read back in. `pathBytes` is the file's own path, already
// converted to that form.
std::string TipsFileContent(const std::string& pathBytes);
