#pragma once
// Whether this process's buttons come from common controls version 6: only
// it answers BCM_GETIDEALSIZE. comctl32's DllGetVersion cannot tell, as
// Wine's answers 5.81 for version 6 too.
#include <windows.h>
#include <commctrl.h>

inline bool ButtonsAreCommonControls6()
{
    HWND button = CreateWindowExW(0, WC_BUTTONW, L"Schedule", WS_POPUP | BS_PUSHBUTTON, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!button) return false;
    SIZE ideal{};
    const bool answered = SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0;
    DestroyWindow(button);
    return answered && ideal.cx > 0;
}
