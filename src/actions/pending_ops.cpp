#include "actions/pending_ops.h"

// Browser windows, optical drive and theme switching come with the
// miscellaneous system operations; the volume steps with the audio endpoint
// code.
void CloseAllBrowserWindows(HWND, bool) {}
void EjectOpticalDrive(HWND, bool) {}
void SwitchToClassicTheme(HWND) {}
void ToggleMuteVolume() {}
void MuteVolume() {}
void StepUpVolume() {}
void StepDownVolume() {}
