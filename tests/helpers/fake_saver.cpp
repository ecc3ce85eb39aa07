// Test helper: a harmless stand-in for a screen saver. With "/p <window>" it
// paints a green pane inside that window until it is ended or the window
// goes; any other start shows nothing and ends at once.
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK PaneProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd, &paint);
        RECT rect{};
        GetClientRect(hwnd, &rect);
        HBRUSH brush = CreateSolidBrush(RGB(0, 128, 64));
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, L"fake saver preview", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    const wchar_t* p = std::wcsstr(commandLine, L"/p ");
    if (!p) return 0;
    HWND parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(p + 3, nullptr, 10)));
    if (!IsWindow(parent)) return 1;
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaneProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"FakeSaverPane";
    RegisterClassW(&wc);
    RECT rect{};
    GetClientRect(parent, &rect);
    CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, rect.right, rect.bottom, parent, nullptr,
                    instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
