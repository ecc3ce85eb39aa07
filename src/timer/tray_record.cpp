#include "timer/tray_record.h"

TrayRecordVersion TrayRecordVersionForShell(int shellMajorVersion)
{
    if (shellMajorVersion >= 6) return TrayRecordVersion::V3;
    if (shellMajorVersion == 5) return TrayRecordVersion::V2;
    return TrayRecordVersion::V1;
}

int TrayRecordSize(TrayRecordVersion version, TrayRecordAbi abi)
{
    // NOTIFYICONDATA_V1_SIZE, _V2_SIZE and _V3_SIZE of each layout.
    static const int kSizes[3][3] = {
        /* Ansi32 */ {88, 488, 504},
        /* Wide32 */ {152, 936, 952},
        /* Wide64 */ {168, 952, 968},
    };
    return kSizes[static_cast<int>(abi)][static_cast<int>(version)];
}

int TrayTipCapacity(TrayRecordVersion version)
{
    return version == TrayRecordVersion::V1 ? 64 : 128;
}

std::wstring FitTrayTip(const std::wstring& tip, int capacity)
{
    if (capacity <= 0) return {};
    const size_t most = static_cast<size_t>(capacity - 1);
    return tip.size() <= most ? tip : tip.substr(0, most);
}
