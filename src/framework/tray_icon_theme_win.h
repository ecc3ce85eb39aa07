#pragma once
// The Win32 side of the tray icon's look (tray_icon_theme.h): reads the
// taskbar theme and high-contrast mode, loads icons at the size the
// notification area asks for.
#include <windows.h>

#include <string>

#include "framework/tray_icon_theme.h"

// The current theme and high-contrast flag, with the user's file and the
// variant as given.
TrayIconInputs ReadTrayIconInputs(bool userFile, bool variant);

// The icon resource `id` of `instance` at the small-icon size of the
// notification area; null when it does not load. The caller destroys it.
HICON LoadTrayIconResource(HINSTANCE instance, int id);

// An icon file at the same size; null when it does not load as an icon.
HICON LoadTrayIconFile(const std::wstring& path);

// Loads the chosen icon: the user's file when `userFile` is not empty and
// loads, otherwise the resource that suits the taskbar. Never null unless
// the program's own resources fail. `chosen` (may be null) receives the
// resource loaded, 0 for the user's file.
HICON LoadThemedTrayIcon(HINSTANCE instance, const TrayIconSet& icons, const std::wstring& userFile, bool variant,
                         int* chosen = nullptr);
