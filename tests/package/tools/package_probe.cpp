// Test tool of the packaging tests; runs until killed.
//   package_probe.exe hold FILE          keeps FILE open without delete sharing,
//                                        as a program using it does on Windows
//   package_probe.exe window CAPTION LOG a dialog-class window with CAPTION that
//                                        appends each end-session message to LOG
#include <windows.h>

#include <cstring>
#include <string>

namespace {

std::wstring g_log;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYENDSESSION || message == WM_ENDSESSION) {
        HANDLE log = CreateFileW(g_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
        const char* line = message == WM_QUERYENDSESSION ? "WM_QUERYENDSESSION\n" : "WM_ENDSESSION\n";
        DWORD written = 0;
        WriteFile(log, line, static_cast<DWORD>(strlen(line)), &written, nullptr);
        CloseHandle(log);
        return message == WM_QUERYENDSESSION ? TRUE : 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 && argc != 4) return 1;
    const std::wstring command = argv[1];
    if (command == L"hold" && argc == 3) {
        HANDLE file = CreateFileW(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 2;
        Sleep(INFINITE);
    }
    if (command == L"window" && argc == 4) {
        g_log = argv[3];
        // The class name of dialogs, as Vandric's main window has.
        WNDCLASSW dialogClass = {};
        GetClassInfoW(nullptr, L"#32770", &dialogClass);
        dialogClass.hInstance = GetModuleHandleW(nullptr);
        dialogClass.lpfnWndProc = ProbeProc;
        UnregisterClassW(L"#32770", dialogClass.hInstance);
        RegisterClassW(&dialogClass);
        CreateWindowW(L"#32770", argv[2], WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr, dialogClass.hInstance,
                      nullptr);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        return 0;
    }
    return 1;
}
