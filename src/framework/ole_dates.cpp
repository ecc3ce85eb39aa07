#include "framework/ole_dates.h"

#include "framework/system_library.h"

namespace {

// Loaded once and kept: the running instance converts dates every tick.
FARPROC OleAutomationFunction(const char* name)
{
    static const HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    return oleaut32 ? GetProcAddress(oleaut32, name) : nullptr;
}

}  // namespace

HRESULT OleVarBstrFromDate(DATE date, LCID locale, ULONG flags, BSTR* text)
{
    using Function = HRESULT(WINAPI*)(DATE, LCID, ULONG, BSTR*);
    static const auto function = reinterpret_cast<Function>(OleAutomationFunction("VarBstrFromDate"));
    return function ? function(date, locale, flags, text) : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
}

INT OleVariantTimeToSystemTime(double date, SYSTEMTIME* time)
{
    using Function = INT(WINAPI*)(double, SYSTEMTIME*);
    static const auto function = reinterpret_cast<Function>(OleAutomationFunction("VariantTimeToSystemTime"));
    return function ? function(date, time) : FALSE;
}
