#pragma once
// oleaut32's two date conversions that take a floating-point argument.
// The thunk that mingw-w64's dlltool makes keeps only the integer argument
// registers intact while it loads the library, so a double passed in xmm0
// would arrive clobbered on the first call; such functions are left out of
// the GNU delay-import libraries. These two are looked up in the system
// directory's oleaut32 at first use instead. A missing library or function
// fails as the function itself would: an error HRESULT, or FALSE.
#include <windows.h>
#include <oleauto.h>

HRESULT OleVarBstrFromDate(DATE date, LCID locale, ULONG flags, BSTR* text);
INT OleVariantTimeToSystemTime(double date, SYSTEMTIME* time);
