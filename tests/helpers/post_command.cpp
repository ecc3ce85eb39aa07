// Test helper: posts WM_COMMAND <id> to the running Umbrix's frame, as a
// menu click would. Exit code 0 when the frame was found.
//   post_command.exe <command id>
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    HWND frame = FindWindowW(nullptr, L"Umbrix : Settings");
    if (!frame) return 1;
    const long id = std::wcstol(argv[1], nullptr, 10);
    return PostMessageW(frame, WM_COMMAND, static_cast<WPARAM>(id), 0) ? 0 : 1;
}
