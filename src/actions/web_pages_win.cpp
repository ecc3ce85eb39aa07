#include "actions/web_pages.h"

#include <windows.h>

#include "actions/system_requests.h"

void OpenWebPage(const std::wstring& address, int show)
{
    System().ShellExecuteFile(L"Open", address, L"", show);
}
