#include "framework/delay_load_failure.h"

#include <cctype>
#include <initializer_list>

namespace {

bool SameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    for (std::string_view n : names)
        if (name == n) return true;
    return false;
}

}  // namespace

FailedImportResult FailedImportResultFor(std::string_view dll, std::string_view function)
{
    if (function.empty()) return FailedImportResult::Zero;
    // Every RAS function reports its outcome as an error code, 0 = success.
    if (SameNoCase(dll, "rasapi32.dll")) return FailedImportResult::Win32Error;
    if (SameNoCase(dll, "winmm.dll"))
        return StartsWith(function, "mciSend") ? FailedImportResult::Win32Error : FailedImportResult::Zero;
    if (SameNoCase(dll, "ole32.dll") || SameNoCase(dll, "oleaut32.dll")) {
        // The few that hand back memory, a length or a BOOL-like INT.
        const bool zero = OneOf(function, {"CoTaskMemAlloc", "CoTaskMemRealloc", "CoGetCurrentProcess"}) ||
                          StartsWith(function, "Sys") || function.find("VariantTime") != std::string_view::npos ||
                          StartsWith(function, "SystemTimeTo") || StartsWith(function, "DosDateTimeTo");
        return zero ? FailedImportResult::Zero : FailedImportResult::FailureHresult;
    }
    if (SameNoCase(dll, "shell32.dll"))
        return OneOf(function, {"SHGetSpecialFolderLocation", "SHGetFolderPathW", "SHGetFolderLocation",
                                "SHGetKnownFolderPath", "SHGetDesktopFolder", "SHCreateItemFromParsingName"})
                   ? FailedImportResult::FailureHresult
                   : FailedImportResult::Zero;
    if (SameNoCase(dll, "comctl32.dll"))
        return OneOf(function, {"TaskDialog", "TaskDialogIndirect", "LoadIconMetric", "LoadIconWithScaleDown"})
                   ? FailedImportResult::FailureHresult
                   : FailedImportResult::Zero;
    return FailedImportResult::Zero;
}
