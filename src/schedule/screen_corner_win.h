#pragma once
// The screen-corner action, checked last by the settings view's 1-second tick.
#include <windows.h>

// `cursorPos` is the position the tick sampled at the end of the previous
// tick. Returns true when the tick must sample the cursor again afterwards,
// false when no corner is configured.
bool CheckScreenCorner(HWND owner, POINT cursorPos);
