// The yardstick of scripts/benchmark.sh: the least a tray program can be. A
// hidden window with a tray icon; a second start finds that window by class
// and caption, hands it a message and ends, as a second Umbrix does.
#include <windows.h>
#include <shellapi.h>

namespace {

const wchar_t kClass[] = L"BareTrayWindow";
const wchar_t kCaption[] = L"BareTray";
const UINT kRequest = WM_APP + 1;
const UINT kTrayCallback = WM_APP + 2;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case kRequest:
        return 1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    if (HWND running = FindWindowW(kClass, kCaption)) {
        SendMessageW(running, kRequest, 0, 0);
        return 0;
    }

    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, kClass, kCaption, WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr,
                                nullptr, instance, nullptr);
    if (!hwnd) return 1;

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = hwnd;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayCallback;
    icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    lstrcpynW(icon.szTip, kCaption, 64);
    Shell_NotifyIconW(NIM_ADD, &icon);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
