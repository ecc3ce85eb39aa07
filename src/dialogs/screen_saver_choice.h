#pragma once
// What the screen-saver chooser shows and starts, without its window.
// Portable: paths are plain text here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// `text` without a final ".scr" (any case); unchanged when it does not end in
// one or is nothing but the extension.
std::wstring WithoutScrExtension(const std::wstring& text);

// The list entry of a file found by the "*.scr" search. Empty for "." and
// "..", which are never listed.
std::wstring ScreenSaverEntry(const std::wstring& fileName);

// "Default ScreenSaver : <name>": the default path without its extension and
// with every "<systemDir>\" removed (exact case), so a screen saver of the
// system directory shows by its bare name.
std::wstring DefaultScreenSaverLabel(const std::wstring& defaultPath, const std::wstring& systemDir);

// The entry that names the default: the path without extension and without a
// leading "<systemDir>\" (both ignoring case). Empty when the path is.
std::wstring DefaultScreenSaverName(const std::wstring& defaultPath, const std::wstring& systemDir);

// Index of the first entry equal to `name` ignoring case; none for an empty name.
std::optional<std::size_t> FindScreenSaverEntry(const std::vector<std::wstring>& entries, const std::wstring& name);

// "<systemDir>\<entry>.scr": what choosing an entry stores as the default.
std::wstring ScreenSaverPath(const std::wstring& systemDir, const std::wstring& entry);

// The preview's command line: the quoted path, "/p" and the decimal handle of
// the window to draw in. Empty when there is no path to start.
std::wstring PreviewCommandLine(const std::wstring& path, std::uintptr_t window);

// Parameters of rundll32 for "&Configure".
std::wstring ConfigureParameters(const std::wstring& systemDir, const std::wstring& entry);
