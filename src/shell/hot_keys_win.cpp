#include "shell/hot_keys.h"

// Hot-key registration and its reaction come with the settings window's
// hot-key fields; until then no hot key is registered.
void RegisterStoredHotKeys(HWND) {}

bool HandleHotKeyMessage(const MSG&)
{
    return false;
}
