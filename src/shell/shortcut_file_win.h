#pragma once
// Desktop shortcuts: writing one shell-link file, and the whole command that
// asks for the action and reports the outcome.
#include <windows.h>

#include <string>

// Writes the shell link `linkPath` (replacing a file of that name) that
// starts `target`, made absolute, with `argument` in decimal and the
// comment `description`. A COM status: negative means failure, and nothing
// was written. Paths must fit MAX_PATH with their terminator.
HRESULT CreateShortcutFile(const std::wstring& target, const std::wstring& linkPath, int argument,
                           const std::wstring& description);

// The "Create Desktop Shortcut" command: the chooser owned by `view`, the
// optional right-click registration, the file and the closing message.
void CreateDesktopShortcut(HWND view);
