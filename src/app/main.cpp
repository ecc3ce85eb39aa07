#include <windows.h>

#include "app/umbrix_app.h"
#include "framework/dll_search.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    RestrictDllSearchToSystem();
    CUmbrixApp app;
    return app.Run(instance);
}
