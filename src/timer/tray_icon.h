#pragma once
// Vandric's notification-area icon: one icon with a tip, a popup menu on the
// right button and the menu's default command on a double click. It watches
// its owner window (through a window subclass) to come back when the shell
// restarts and to go away when the owner is destroyed.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/tray_icon_theme.h"

class CTrayIcon {
public:
    CTrayIcon();
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon. `menuId` 0 means the menu resource numbered like the
    // icon `id`; its first popup is the icon's menu. The icon is not owned.
    // False when the menu, the subclass or the shell refused.
    bool Create(HWND owner, UINT id, const std::wstring& tip, HICON icon, UINT callbackMessage, UINT menuId = 0);
    // Before Create: the icon comes from these resources instead of the one
    // given to Create, the one that suits the taskbar's theme, and follows
    // the theme and high-contrast mode while the owner lives.
    void UseThemedIcons(const TrayIconSet& icons) { m_themedIcons = icons; }
    // The resource of the themed icon shown; 0 without themed icons.
    int IconResource() const { return m_iconResource; }
    // The menu item shown bold and sent on a double click.
    void SetDefaultItem(UINT item, bool byPosition);
    // Replaces the tip (cut to what the record holds); false when not present.
    bool SetTip(const std::wstring& tip);
    // A balloon beside a present, shown icon; false otherwise or when refused.
    bool ShowBalloon(const std::wstring& title, const std::wstring& text);
    bool Hide();
    bool Show();
    void Remove();
    // The owner's handler of the callback message: wParam is the icon's
    // identifier, lParam the mouse message.
    void OnTrayNotification(WPARAM id, LPARAM mouseMessage);

    bool Present() const { return m_present; }
    bool Hidden() const { return m_hidden; }
    std::wstring Tip() const { return m_data.szTip; }
    HMENU Menu() const { return m_menu; }
    // The record size in use, chosen by the shell's version.
    DWORD RecordSize() const { return m_data.cbSize; }

private:
    static LRESULT CALLBACK OwnerHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void OnTaskbarCreated();
    void LoadThemedIcon();
    bool Modify();
    bool SetHiddenState(bool hidden);
    HMENU Popup() const { return m_menu ? GetSubMenu(m_menu, 0) : nullptr; }

    NOTIFYICONDATAW m_data;
    int m_tipCapacity;
    bool m_present = false;
    bool m_hidden = false;
    bool m_hooked = false;
    HMENU m_menu = nullptr;
    UINT m_defaultItem = 0;
    bool m_defaultByPosition = true;
    TrayIconSet m_themedIcons;
    HICON m_themedIcon = nullptr;  // owned
    int m_iconResource = 0;
};

// shell32.dll's major version, asked once through its DllGetVersion; 4 when
// the export is missing or fails.
int ShellMajorVersion();
