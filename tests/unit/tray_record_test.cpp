#include <gtest/gtest.h>

#include "timer/tray_record.h"

TEST(TrayRecord, ShellVersionChoosesRecordSizeAndTipCapacity)
{
    const struct {
        int shell;
        TrayRecordVersion version;
        int ansi32;
        int wide64;
        int tip;
    } cases[] = {
        {0, TrayRecordVersion::V1, 88, 168, 64},
        {4, TrayRecordVersion::V1, 88, 168, 64},
        {-1, TrayRecordVersion::V1, 88, 168, 64},
        {5, TrayRecordVersion::V2, 488, 952, 128},
        {6, TrayRecordVersion::V3, 504, 968, 128},
        {10, TrayRecordVersion::V3, 504, 968, 128},
    };
    for (const auto& k : cases) {
        const TrayRecordVersion v = TrayRecordVersionForShell(k.shell);
        EXPECT_EQ(v, k.version) << k.shell;
        EXPECT_EQ(TrayRecordSize(v, TrayRecordAbi::Ansi32), k.ansi32) << k.shell;
        EXPECT_EQ(TrayRecordSize(v, TrayRecordAbi::Wide64), k.wide64) << k.shell;
        EXPECT_EQ(TrayTipCapacity(v), k.tip) << k.shell;
    }
    EXPECT_EQ(TrayRecordSize(TrayRecordVersion::V1, TrayRecordAbi::Wide32), 152);
    EXPECT_EQ(TrayRecordSize(TrayRecordVersion::V3, TrayRecordAbi::Wide32), 952);
}

TEST(TrayRecord, TipIsCutToTheCapacity)
{
    const std::wstring tip = L"Vandric : 7199 Seconds remaining\nto initiate Shutdown(Brute)";
    EXPECT_EQ(FitTrayTip(tip, 128), tip);
    EXPECT_EQ(FitTrayTip(std::wstring(127, L'x'), 128).size(), 127u);
    EXPECT_EQ(FitTrayTip(std::wstring(200, L'x'), 128).size(), 127u);
    // The longest countdown tip fits even the oldest record.
    EXPECT_EQ(FitTrayTip(tip, 64), tip);
    const std::wstring longer = tip + L" and more text";
    EXPECT_EQ(FitTrayTip(longer, 64), longer.substr(0, 63));
    EXPECT_EQ(FitTrayTip(tip, 0), L"");
}
