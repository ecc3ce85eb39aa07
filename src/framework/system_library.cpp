#include "framework/system_library.h"

#include <string>

#include "framework/win_text.h"

HMODULE LoadSystemLibrary(const wchar_t* fileName)
{
    const std::wstring folder = GetSystemDirectoryString();
    if (folder.empty()) return nullptr;
    // A full path, and its own folder first for what it needs in turn.
    const std::wstring path = folder + L"\\" + fileName;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

CSystemLibrary::~CSystemLibrary()
{
    if (m_module) FreeLibrary(m_module);
}
