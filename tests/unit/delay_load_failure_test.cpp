#include "framework/delay_load_failure.h"

#include <gtest/gtest.h>

namespace {

struct FailedImportCase {
    const char* dll;
    const char* function;
    FailedImportResult expected;
};

// The functions the programs import from their delay-loaded libraries, and
// neighbours whose return type differs from their library's rule.
const FailedImportCase kCases[] = {
    {"ole32.dll", "OleInitialize", FailedImportResult::FailureHresult},
    {"ole32.dll", "CoCreateInstance", FailedImportResult::FailureHresult},
    {"OLE32.DLL", "CoInitialize", FailedImportResult::FailureHresult},
    {"ole32.dll", "CoTaskMemAlloc", FailedImportResult::Zero},
    {"ole32.dll", "CoTaskMemFree", FailedImportResult::FailureHresult},  // void: any value will do
    {"OLEAUT32.dll", "VarBstrFromDate", FailedImportResult::FailureHresult},
    {"oleaut32.dll", "VarDateFromStr", FailedImportResult::FailureHresult},
    {"oleaut32.dll", "SysAllocString", FailedImportResult::Zero},
    {"oleaut32.dll", "SysStringLen", FailedImportResult::Zero},
    {"oleaut32.dll", "VariantTimeToSystemTime", FailedImportResult::Zero},
    {"oleaut32.dll", "SystemTimeToVariantTime", FailedImportResult::Zero},
    {"RASAPI32.dll", "RasEnumConnectionsW", FailedImportResult::Win32Error},
    {"rasapi32.dll", "RasHangUpW", FailedImportResult::Win32Error},
    {"WINMM.dll", "mciSendStringW", FailedImportResult::Win32Error},
    {"winmm.dll", "PlaySoundW", FailedImportResult::Zero},
    {"WININET.dll", "InternetSetOptionW", FailedImportResult::Zero},
    {"comdlg32.dll", "GetOpenFileNameW", FailedImportResult::Zero},
    {"COMCTL32.dll", "InitCommonControlsEx", FailedImportResult::Zero},
    {"comctl32.dll", "TaskDialogIndirect", FailedImportResult::FailureHresult},
    {"SHELL32.dll", "SHGetSpecialFolderLocation", FailedImportResult::FailureHresult},
    {"shell32.dll", "Shell_NotifyIconW", FailedImportResult::Zero},
    {"shell32.dll", "ShellExecuteExW", FailedImportResult::Zero},
    {"ole32.dll", "", FailedImportResult::Zero},  // imported by ordinal
    {"ole32.dll.bak", "CoCreateInstance", FailedImportResult::Zero},
    {"umbrix_missing.dll", "Anything", FailedImportResult::Zero},
};

TEST(FailedImportResult, EachImportFailsTheWayItsCallerChecks)
{
    for (const FailedImportCase& c : kCases)
        EXPECT_EQ(FailedImportResultFor(c.dll, c.function), c.expected) << c.dll << " " << c.function;
}

}  // namespace
