#pragma once
// Small string helpers for the Win32 side.
#include <windows.h>

#include <initializer_list>
#include <string>

// Text of a window or control.
std::wstring GetWindowTextString(HWND hwnd);
// A string resource of this module, empty when missing.
std::wstring LoadResString(UINT id);
// Replaces %1, %2, ... by the given arguments, as the framework's message
// formatting does for its validation texts.
std::wstring FormatPlaceholders(const std::wstring& pattern, std::initializer_list<std::wstring> args);
// Full path of this process's program file (no length limit).
std::wstring GetModulePath();
// The program folder: the module path up to, not including, its last backslash.
std::wstring GetProgramFolder();
// The system directory without a trailing backslash.
std::wstring GetSystemDirectoryString();
// Conversions between UTF-16 and the thread's ANSI code page.
std::string WideToAnsi(const std::wstring& text);
std::wstring AnsiToWide(const std::string& text);

// Appends `bytes` to the file at `path`, creating it when missing; nothing
// happens when it cannot be opened. One open-append-close per call:
// FILE_APPEND_DATA makes each write land whole at the end even when several
// threads or processes append to one file.
void AppendToFile(const std::wstring& path, const std::string& bytes);
