#include <windows.h>

#include "timer/vandric_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    CVandricApp app;
    return app.Run(instance);
}
