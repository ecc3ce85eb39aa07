#include "framework/delay_load.h"

#include <delayimp.h>

#include <string>

#include "framework/delay_load_failure.h"
#include "framework/system_library.h"

namespace {

std::string g_refusedDll;

bool SameDllName(const char* a, const char* b)
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

// Stand-ins for a function that could not be bound. x64 has one calling
// convention and the caller cleans up, so a stand-in without parameters may
// take the place of any function; only its return value matters.
INT_PTR WINAPI FailWithZero()
{
    SetLastError(ERROR_PROC_NOT_FOUND);
    return 0;
}

HRESULT WINAPI FailWithHresult()
{
    SetLastError(ERROR_PROC_NOT_FOUND);
    return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
}

DWORD WINAPI FailWithErrorCode()
{
    SetLastError(ERROR_PROC_NOT_FOUND);
    return ERROR_PROC_NOT_FOUND;
}

FARPROC WINAPI OnDelayLoadNotify(unsigned notify, PDelayLoadInfo info)
{
    if (notify != dliNotePreLoadLibrary) return nullptr;
    // A module without the exports asked for: the helper's GetProcAddress
    // fails and the failure hook binds the stand-in.
    if (!g_refusedDll.empty() && SameDllName(info->szDll, g_refusedDll.c_str()))
        return reinterpret_cast<FARPROC>(GetModuleHandleW(nullptr));
    // Null: the helper loads it by name, through the activation context.
    if (SameDllName(info->szDll, "comctl32.dll")) return nullptr;
    const std::wstring name(info->szDll, info->szDll + lstrlenA(info->szDll));
    // A library missing from the system directory must not be looked for
    // elsewhere either: this process's own module stands in, without exports.
    HMODULE module = LoadSystemLibrary(name.c_str());
    return reinterpret_cast<FARPROC>(module ? module : GetModuleHandleW(nullptr));
}

FARPROC WINAPI OnDelayLoadFailure(unsigned notify, PDelayLoadInfo info)
{
    switch (notify) {
    case dliFailLoadLib:
        // Never reached through OnDelayLoadNotify, kept for a helper that
        // loads on its own: continue with a module that exports nothing.
        return reinterpret_cast<FARPROC>(GetModuleHandleW(nullptr));
    case dliFailGetProc: {
#if defined(_M_IX86) || defined(__i386__)
        // stdcall functions remove their own arguments: a stand-in would
        // leave the stack unbalanced. The helper's exception it is.
        return nullptr;
#endif
        const char* function = info->dlp.fImportByName && info->dlp.szProcName ? info->dlp.szProcName : "";
        switch (FailedImportResultFor(info->szDll, function)) {
        case FailedImportResult::FailureHresult: return reinterpret_cast<FARPROC>(FailWithHresult);
        case FailedImportResult::Win32Error: return reinterpret_cast<FARPROC>(FailWithErrorCode);
        case FailedImportResult::Zero: break;
        }
        return reinterpret_cast<FARPROC>(FailWithZero);
    }
    default:
        return nullptr;
    }
}

}  // namespace

// The helper's hooks; MSVC's delayimp.h declares them const, mingw-w64's not.
#if defined(_MSC_VER)
extern "C" const PfnDliHook __pfnDliNotifyHook2 = OnDelayLoadNotify;
extern "C" const PfnDliHook __pfnDliFailureHook2 = OnDelayLoadFailure;
#else
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = OnDelayLoadNotify;
PfnDliHook __pfnDliFailureHook2 = OnDelayLoadFailure;
}
#endif

// Required by name when an executable links the delay-import libraries
// (cmake/windows_programs.cmake), so a program built without this file, and
// so with the toolchain's default hooks, fails to link.
extern "C" const int umbrix_delay_load_hooks = 1;

void RefuseDelayLoadForTests(const char* dll)
{
    g_refusedDll = dll ? dll : "";
}
