#pragma once
// Which notification-icon record the shell understands, by the major version
// of shell32.dll, and how long a tip it holds. Portable.
#include <string>

enum class TrayRecordVersion {
    V1,  // shell below 5: up to the 64-character tip
    V2,  // shell 5: 128-character tip, state, balloon
    V3,  // shell 6 and later: adds the item GUID
};

// How the record is laid out: the same record differs in size between the
// ANSI and wide forms and between 32- and 64-bit programs.
enum class TrayRecordAbi { Ansi32, Wide32, Wide64 };

TrayRecordVersion TrayRecordVersionForShell(int shellMajorVersion);
// Size in bytes the record announces in cbSize.
int TrayRecordSize(TrayRecordVersion version, TrayRecordAbi abi);
// Tip capacity in characters, terminator included: 64 for V1, else 128.
int TrayTipCapacity(TrayRecordVersion version);
// The tip as the record can hold it: cut to capacity - 1 characters.
std::wstring FitTrayTip(const std::wstring& tip, int capacity);
