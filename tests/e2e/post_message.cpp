// Sends or posts one window message to the top-level window with a given
// caption, as another program would: the end-to-end tests use it to talk to
// Vandric's hidden main window.
//   post_message.exe send|post "<caption>" <message> [wParam] [lParam]
// Prints the result of a send. Exit code 0, or 2 when no window has the
// caption, 3 when the send timed out, 1 on bad arguments.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: post_message send|post caption message [wParam] [lParam]\n");
        return 1;
    }
    const bool send = std::wcscmp(argv[1], L"send") == 0;
    const UINT message = static_cast<UINT>(std::wcstoul(argv[3], nullptr, 0));
    const WPARAM wParam = argc > 4 ? static_cast<WPARAM>(std::wcstoull(argv[4], nullptr, 0)) : 0;
    const LPARAM lParam = argc > 5 ? static_cast<LPARAM>(std::wcstoll(argv[5], nullptr, 0)) : 0;
    HWND target = FindWindowW(nullptr, argv[2]);
    if (!target) return 2;
    if (!send) return PostMessageW(target, message, wParam, lParam) ? 0 : 1;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL, 10000, &result)) return 3;
    std::printf("%llu\n", static_cast<unsigned long long>(result));
    return 0;
}
