// Posts a menu command to the running Umbrix, as a click on one of its menus
// would: send_command.exe ID. Exits 1 when no Umbrix frame is found. Posting
// (not sending) lets the helper end while the command's dialog is open.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) return 2;
    const unsigned long id = std::wcstoul(argv[1], nullptr, 10);
    HWND frame = FindWindowW(nullptr, L"Umbrix : Settings");
    if (!frame) return 1;
    return PostMessageW(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
}
