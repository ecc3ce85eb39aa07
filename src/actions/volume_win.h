#pragma once
// Actions 18 to 21: toggle mute, mute, one step up, one step down. A failure
// shows its message with the failure code, owned by `owner`; success shows
// nothing.
#include <windows.h>

void ToggleMuteVolume(HWND owner);
void MuteVolume(HWND owner);
void StepUpVolume(HWND owner);
void StepDownVolume(HWND owner);
