#include "framework/system_library.h"

#include <string>

#include "framework/dll_search.h"
#include "framework/win_text.h"

HMODULE LoadSystemLibrary(const wchar_t* fileName)
{
    const std::wstring folder = GetSystemDirectoryString();
    if (folder.empty()) return nullptr;
    // A full path; what it needs in turn comes from the system directory
    // too, or, where the search cannot be limited, from its own folder first.
    const std::wstring path = folder + L"\\" + fileName;
    return LoadLibraryExW(path.c_str(), nullptr,
                          DllSearchRestricted() ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH);
}

CSystemLibrary::~CSystemLibrary()
{
    if (m_module) FreeLibrary(m_module);
}
