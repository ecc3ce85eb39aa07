#pragma once
// Starts of companion programs and web pages. Nothing is waited for and no
// failure is reported: a missing companion simply does not start.
#include <string>

#include "actions/web_pages.h"

// Tarnwick, the keyboard-shortcut companion: ":LaunchedFromUBXCheck" when
// started by the program's start-up, ":LaunchedFromUBX" from the menu.
void StartKeyboardShortcutCompanion(bool atStartup);
