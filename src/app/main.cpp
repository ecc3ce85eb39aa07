#include <windows.h>

#include "app/umbrix_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    CUmbrixApp app;
    return app.Run(instance);
}
