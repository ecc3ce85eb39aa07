#include "framework/tray_icon_theme.h"

#include <cwchar>

TrayIconLook ChooseTrayIconLook(std::optional<std::uint32_t> systemUsesLightTheme, bool highContrast)
{
    if (highContrast) return TrayIconLook::HighContrast;
    return systemUsesLightTheme && *systemUsesLightTheme != 0 ? TrayIconLook::LightTaskbar
                                                              : TrayIconLook::DarkTaskbar;
}

int ChooseTrayIconResource(const TrayIconSet& icons, const TrayIconInputs& inputs)
{
    if (inputs.userFile) return 0;
    int plain = icons.darkTaskbar;
    int variant = icons.darkTaskbarVariant;
    switch (ChooseTrayIconLook(inputs.systemUsesLightTheme, inputs.highContrast)) {
    case TrayIconLook::DarkTaskbar: break;
    case TrayIconLook::LightTaskbar: plain = icons.lightTaskbar; variant = icons.lightTaskbarVariant; break;
    case TrayIconLook::HighContrast: plain = icons.highContrast; variant = icons.highContrastVariant; break;
    }
    return inputs.variant && variant != 0 ? variant : plain;
}

int TrayIconPixels(int smallIconMetric)
{
    return smallIconMetric >= 16 && smallIconMetric <= 256 ? smallIconMetric : 16;
}

bool SettingChangeConcernsTrayIcon(unsigned action, const wchar_t* area)
{
    constexpr unsigned kSetHighContrast = 0x43;
    if (action == kSetHighContrast) return true;
    return area && std::wcscmp(area, L"ImmersiveColorSet") == 0;
}
