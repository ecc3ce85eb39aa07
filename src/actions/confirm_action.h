#pragma once
// Asks before an action runs: the 15-second countdown confirmation with the
// message "Action <name> would be performed after <XX> seconds.".
#include <string>

// True exactly when the dialog ended with IDOK (countdown ran out or "&Do It Now").
bool ConfirmAction(const std::wstring& name);
