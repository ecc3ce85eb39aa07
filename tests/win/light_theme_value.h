#pragma once
// Sets HKCU\...\Themes\Personalize "SystemUsesLightTheme" for one test (a
// negative value removes it) and puts the value found back afterwards.
#include <windows.h>

class CLightThemeValue {
public:
    CLightThemeValue()
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &m_key,
                        nullptr);
        DWORD size = sizeof(m_old);
        m_hadValue = m_key && RegQueryValueExW(m_key, kName, nullptr, nullptr, reinterpret_cast<BYTE*>(&m_old),
                                               &size) == ERROR_SUCCESS;
    }
    ~CLightThemeValue()
    {
        Set(m_hadValue ? static_cast<int>(m_old) : -1);
        if (m_key) RegCloseKey(m_key);
    }
    void Set(int value)
    {
        if (value < 0) {
            RegDeleteValueW(m_key, kName);
            return;
        }
        const DWORD data = static_cast<DWORD>(value);
        RegSetValueExW(m_key, kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    }
    // Tells `window` as Windows does after the user switched the colours.
    static void Broadcast(HWND window, const wchar_t* area = L"ImmersiveColorSet")
    {
        SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area));
    }

private:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    static constexpr const wchar_t* kName = L"SystemUsesLightTheme";
    HKEY m_key = nullptr;
    DWORD m_old = 0;
    bool m_hadValue = false;
};
