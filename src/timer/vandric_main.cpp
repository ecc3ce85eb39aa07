#include <windows.h>

#include "timer/vandric_app.h"
#include "framework/dll_search.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    RestrictDllSearchToSystem();
    CVandricApp app;
    return app.Run(instance);
}
