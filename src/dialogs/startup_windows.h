#pragma once
// Windows that start-up may show before and after the command line is handled.
#include "app/settings_store.h"

// The help-videos window, shown modally on the first start for this user.
void ShowHelpVideosOnFirstStart(ISettingsStore& profile);
// The tip of the day, when the user has it enabled.
void ShowTipOfDayAtStartup(ISettingsStore& profile);
