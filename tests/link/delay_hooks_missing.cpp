// Must not link: it delay-loads comctl32 without framework/delay_load.cpp.
#include <windows.h>
#include <commctrl.h>

int main()
{
    InitCommonControls();
    return 0;
}
