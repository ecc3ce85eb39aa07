// Test tool: posts WM_COMMAND <id> to the top-level window with caption
// <caption>, as a menu click would. Exit code 2 when there is no such window.
//   post_command.exe "Umbrix : Settings" 32833
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) return 1;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 2;
    const unsigned long id = std::wcstoul(argv[2], nullptr, 10);
    return PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(id), 0) ? 0 : 3;
}
