#include <optional>

#include <gtest/gtest.h>

#include "framework/tray_icon_theme.h"

TEST(TrayIconTheme, ResourceFollowsFileThemeContrastAndVariant)
{
    const TrayIconSet umbrix{140, 141, 144, 142, 143, 145};
    const TrayIconSet vandric{140, 141, 144};  // no state variant
    const std::optional<std::uint32_t> absent;
    const struct {
        bool userFile;
        std::optional<std::uint32_t> light;
        bool highContrast, variant;
        int umbrix, vandric;
    } cases[] = {
        {false, absent, false, false, 140, 140},  // Windows 7 and 8: dark taskbar
        {false, 0u, false, false, 140, 140},
        {false, 1u, false, false, 141, 141},
        {false, 2u, false, true, 143, 141},  // any non-zero is light
        {false, absent, false, true, 142, 140},
        {false, 1u, true, false, 144, 144},
        {false, 0u, true, true, 145, 144},
        {true, 1u, true, true, 0, 0},  // the user's file wins over all
    };
    for (const auto& c : cases) {
        const TrayIconInputs inputs{c.userFile, c.light, c.highContrast, c.variant};
        EXPECT_EQ(ChooseTrayIconResource(umbrix, inputs), c.umbrix);
        EXPECT_EQ(ChooseTrayIconResource(vandric, inputs), c.vandric);
    }
}

TEST(TrayIconTheme, SizeWithoutLoadIconMetricAndSettingChanges)
{
    const struct {
        int metric, pixels;
    } sizes[] = {{16, 16}, {20, 20}, {24, 24}, {32, 32}, {0, 16}, {-1, 16}, {4096, 16}};
    for (const auto& s : sizes) EXPECT_EQ(TrayIconPixels(s.metric), s.pixels);

    EXPECT_TRUE(SettingChangeConcernsTrayIcon(0, L"ImmersiveColorSet"));
    EXPECT_TRUE(SettingChangeConcernsTrayIcon(0x43, nullptr));  // SPI_SETHIGHCONTRAST
    EXPECT_FALSE(SettingChangeConcernsTrayIcon(0, L"Environment"));
    EXPECT_FALSE(SettingChangeConcernsTrayIcon(0x2F, nullptr));
    EXPECT_FALSE(SettingChangeConcernsTrayIcon(0, L"immersivecolorset "));
}
