#pragma once
// Which tray icon suits the taskbar: a light drawing on a dark taskbar, a
// dark drawing on a light one, a plain one in high-contrast mode, and an
// icon file the user chose above all. Portable: the Win32 side reads the
// theme, the high-contrast flag and the system's icon size and loads what
// this decides.
#include <cstdint>
#include <optional>

enum class TrayIconLook { DarkTaskbar, LightTaskbar, HighContrast };

// HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize,
// "SystemUsesLightTheme": none when the value is absent (Windows 7 and 8) or
// not a number, which is taken as a dark taskbar.
TrayIconLook ChooseTrayIconLook(std::optional<std::uint32_t> systemUsesLightTheme, bool highContrast);

// Icon resources of one program, one per look, plain and while its state
// variant (keep-awake) is on; a variant of 0 means the program has none.
struct TrayIconSet {
    int darkTaskbar = 0;
    int lightTaskbar = 0;
    int highContrast = 0;
    int darkTaskbarVariant = 0;
    int lightTaskbarVariant = 0;
    int highContrastVariant = 0;
};

struct TrayIconInputs {
    bool userFile = false;  // the user named an icon file that loads
    std::optional<std::uint32_t> systemUsesLightTheme;
    bool highContrast = false;
    bool variant = false;  // the state variant is wanted
};

// The resource to load; 0 means the user's file.
int ChooseTrayIconResource(const TrayIconSet& icons, const TrayIconInputs& inputs);

// The edge in pixels of an icon loaded without LoadIconMetric: the system's
// small-icon size (SM_CXSMICON), 16 when that is not a sensible size.
int TrayIconPixels(int smallIconMetric);

// Whether a WM_SETTINGCHANGE (its wParam `action` and its lParam text
// `area`, which may be null) may have changed the look: the colour theme
// ("ImmersiveColorSet") or high-contrast mode (SPI_SETHIGHCONTRAST, 0x43).
bool SettingChangeConcernsTrayIcon(unsigned action, const wchar_t* area);
