// Helper of the tests: a DLL that, when loaded, creates "<its own path>.loaded"
// and refuses to load. Placed in a program's folder under the name of a
// library that a system DLL loads by bare name, it shows whether the program
// lets the loader look in its own folder.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring marker = std::wstring(path, length) + L".loaded";
        HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return FALSE;
}
