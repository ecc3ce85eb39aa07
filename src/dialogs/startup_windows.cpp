#include "dialogs/startup_windows.h"

// The help-videos and tip-of-the-day windows come with the secondary
// windows; until then start-up shows neither.
void ShowHelpVideosOnFirstStart(ISettingsStore&) {}
void ShowTipOfDayAtStartup(ISettingsStore&) {}
