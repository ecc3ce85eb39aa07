#include "framework/tray_icon_theme_win.h"

namespace {

std::optional<std::uint32_t> ReadSystemUsesLightTheme()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const LONG result =
        RegQueryValueExW(key, L"SystemUsesLightTheme", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

bool HighContrastOn()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int SmallIconPixels()
{
    return TrayIconPixels(GetSystemMetrics(SM_CXSMICON));
}

}  // namespace

TrayIconInputs ReadTrayIconInputs(bool userFile, bool variant)
{
    TrayIconInputs inputs;
    inputs.userFile = userFile;
    inputs.systemUsesLightTheme = ReadSystemUsesLightTheme();
    inputs.highContrast = HighContrastOn();
    inputs.variant = variant;
    return inputs;
}

HICON LoadTrayIconResource(HINSTANCE instance, int id)
{
    // LoadIconMetric (comctl32 version 6, Vista and later) picks the image
    // the notification area wants at the current DPI; it is looked up in the
    // comctl32 already loaded through the manifest, so an older system or a
    // process without it falls back to the small-icon metric.
    using LoadIconMetricFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
    if (HMODULE comctl = GetModuleHandleW(L"comctl32.dll")) {
        if (auto load = reinterpret_cast<LoadIconMetricFn>(
                reinterpret_cast<void*>(GetProcAddress(comctl, "LoadIconMetric")))) {
            HICON icon = nullptr;
            if (SUCCEEDED(load(instance, MAKEINTRESOURCEW(id), 0 /* LIM_SMALL */, &icon)) && icon) return icon;
        }
    }
    const int pixels = SmallIconPixels();
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, pixels, pixels, 0));
}

HICON LoadTrayIconFile(const std::wstring& path)
{
    const int pixels = SmallIconPixels();
    return static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, pixels, pixels, LR_LOADFROMFILE));
}

HICON LoadThemedTrayIcon(HINSTANCE instance, const TrayIconSet& icons, const std::wstring& userFile, bool variant,
                         int* chosen)
{
    HICON file = userFile.empty() ? nullptr : LoadTrayIconFile(userFile);
    const int id = ChooseTrayIconResource(icons, ReadTrayIconInputs(file != nullptr, variant));
    if (chosen) *chosen = id;
    return id == 0 ? file : LoadTrayIconResource(instance, id);
}
