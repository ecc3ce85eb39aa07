#include "framework/dll_search.h"

namespace {

bool g_restricted = false;

}  // namespace

bool RestrictDllSearchToSystem()
{
    using Fn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto setDefault = kernel ? reinterpret_cast<Fn>(GetProcAddress(kernel, "SetDefaultDllDirectories")) : nullptr;
    g_restricted = setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return g_restricted;
}

bool DllSearchRestricted()
{
    return g_restricted;
}
