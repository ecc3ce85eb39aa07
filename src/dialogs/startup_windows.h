#pragma once
// Windows that start-up may show before and after the command line is handled.
#include <string>

#include "app/settings_store.h"

// The help-videos window, shown modally on the first start for this user
// (remembered as "Help Videos Shown" in section "Workspace").
void ShowHelpVideosOnFirstStart(ISettingsStore& profile);
// Whether the help-videos window has been shown to this user: false until the
// first start has opened it.
bool HelpVideosShown(ISettingsStore& profile);
// Makes the tip of the day from the tips file at `tipsPath` and shows it when
// the user has it enabled. Made at every start: each start moves the tips on
// by one.
void ShowTipOfDayAtStartup(ISettingsStore& profile, const std::wstring& tipsPath);
