#pragma once
// The screen-corner action, checked last by the settings view's 1-second tick.
#include <windows.h>

#include <functional>

class CScreenCorner;

// `cursorPos` is the position the tick sampled at the end of the previous
// tick. Returns true when the tick must sample the cursor into that position
// afterwards, false when no corner is configured. The first check after a
// corner is configured never fires: its position was not sampled for it.
bool CheckScreenCorner(HWND owner, POINT cursorPos);

// The same with the armed state, the screen size and the wait passed in.
bool CheckScreenCorner(HWND owner, POINT cursorPos, CScreenCorner& corner, SIZE screen,
                       const std::function<void(DWORD)>& wait);
