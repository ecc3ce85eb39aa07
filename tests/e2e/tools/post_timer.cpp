// Test tool: posts WM_TIMER <id> <count> times to the top-level window with
// caption <caption>, or with "child" to its first dialog child (Umbrix's
// settings view lives inside its frame). A handler that counts its ticks then
// counts them as if the timer had fired, without the real seconds passing.
// Exit code 2 when there is no such window.
//   post_timer.exe "Umbrix : Settings" 2 60 child
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4 && argc != 5) return 1;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (window && argc == 5 && std::wcscmp(argv[4], L"child") == 0)
        window = FindWindowExW(window, nullptr, L"#32770", nullptr);
    if (!window) return 2;
    const WPARAM id = std::wcstoul(argv[2], nullptr, 10);
    const unsigned long count = std::wcstoul(argv[3], nullptr, 10);
    // lParam 0: no TIMERPROC, so the message goes to the window procedure.
    for (unsigned long i = 0; i < count; ++i)
        if (!PostMessageW(window, WM_TIMER, id, 0)) return 3;
    return 0;
}
