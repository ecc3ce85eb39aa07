#include "timer/tray_icon.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "framework/system_library.h"
#include "framework/tray_icon_theme_win.h"
#include "timer/tray_record.h"

namespace {

// The shell broadcasts this after it (re)starts; every icon must be added again.
const UINT g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

TrayRecordAbi ThisAbi()
{
    return sizeof(void*) == 8 ? TrayRecordAbi::Wide64 : TrayRecordAbi::Wide32;
}

// The portable table must agree with the SDK's record layouts.
#ifdef NOTIFYICONDATAW_V3_SIZE
static_assert(sizeof(void*) != 8 || (NOTIFYICONDATAW_V1_SIZE == 168 && NOTIFYICONDATAW_V2_SIZE == 952 &&
                                     NOTIFYICONDATAW_V3_SIZE == 968),
              "tray record sizes of 64-bit Windows");
static_assert(sizeof(void*) != 4 || (NOTIFYICONDATAW_V1_SIZE == 152 && NOTIFYICONDATAW_V2_SIZE == 936 &&
                                     NOTIFYICONDATAW_V3_SIZE == 952),
              "tray record sizes of 32-bit Windows");
#endif

const UINT_PTR kHookId = 0x7A41;

}  // namespace

int ShellMajorVersion()
{
    static const int version = [] {
        HMODULE shell = LoadSystemLibrary(L"shell32.dll");
        if (!shell) return 4;
        int major = 4;
        auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(GetProcAddress(shell, "DllGetVersion"));
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);
        if (getVersion && SUCCEEDED(getVersion(&info))) major = static_cast<int>(info.dwMajorVersion);
        FreeLibrary(shell);
        return major;
    }();
    return version;
}

CTrayIcon::CTrayIcon() : m_data{}
{
    const TrayRecordVersion version = TrayRecordVersionForShell(ShellMajorVersion());
    m_data.cbSize = static_cast<DWORD>(TrayRecordSize(version, ThisAbi()));
    m_tipCapacity = TrayTipCapacity(version);
}

CTrayIcon::~CTrayIcon()
{
    Remove();
    if (m_hooked && IsWindow(m_data.hWnd)) RemoveWindowSubclass(m_data.hWnd, OwnerHook, kHookId);
    if (m_menu) DestroyMenu(m_menu);
    if (m_themedIcon) DestroyIcon(m_themedIcon);
}

void CTrayIcon::LoadThemedIcon()
{
    if (m_themedIcons.darkTaskbar == 0) return;
    HICON icon = LoadThemedTrayIcon(GetModuleHandleW(nullptr), m_themedIcons, L"", false, &m_iconResource);
    if (!icon) return;
    m_data.hIcon = icon;
    if (m_present) {
        m_data.uFlags = NIF_ICON;
        Modify();
    }
    // The shell has copied the new icon; the old one may go.
    if (m_themedIcon) DestroyIcon(m_themedIcon);
    m_themedIcon = icon;
}

bool CTrayIcon::Create(HWND owner, UINT id, const std::wstring& tip, HICON icon, UINT callbackMessage, UINT menuId)
{
    m_menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId ? menuId : id));
    if (!m_menu || !Popup()) return false;
    SetDefaultItem(m_defaultItem, m_defaultByPosition);

    m_hooked = SetWindowSubclass(owner, OwnerHook, kHookId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    if (!m_hooked) return false;

    m_data.hWnd = owner;
    m_data.uID = id;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = callbackMessage;
    m_data.hIcon = icon;
    LoadThemedIcon();
    lstrcpynW(m_data.szTip, FitTrayTip(tip, m_tipCapacity).c_str(), m_tipCapacity);
    m_present = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;

    if (ShellMajorVersion() >= 5) {
        m_data.uVersion = NOTIFYICON_VERSION;
        Shell_NotifyIconW(NIM_SETVERSION, &m_data);
    }
    return m_present;
}

void CTrayIcon::SetDefaultItem(UINT item, bool byPosition)
{
    m_defaultItem = item;
    m_defaultByPosition = byPosition;
    if (HMENU popup = Popup()) SetMenuDefaultItem(popup, item, byPosition ? TRUE : FALSE);
}

bool CTrayIcon::Modify()
{
    return Shell_NotifyIconW(NIM_MODIFY, &m_data) != FALSE;
}

bool CTrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text)
{
    // Records before the shell's version 5 have no balloon fields.
    if (!m_present || m_hidden || m_data.cbSize < NOTIFYICONDATAW_V2_SIZE) return false;
    m_data.uFlags = NIF_INFO;
    lstrcpynW(m_data.szInfoTitle, title.c_str(), ARRAYSIZE(m_data.szInfoTitle));
    lstrcpynW(m_data.szInfo, text.c_str(), ARRAYSIZE(m_data.szInfo));
    m_data.dwInfoFlags = NIIF_INFO;
    const bool shown = Modify();
    // Later modifications must not show the balloon again.
    m_data.szInfo[0] = L'\0';
    return shown;
}

bool CTrayIcon::SetTip(const std::wstring& tip)
{
    if (!m_present) return false;
    m_data.uFlags = NIF_TIP;
    lstrcpynW(m_data.szTip, FitTrayTip(tip, m_tipCapacity).c_str(), m_tipCapacity);
    return Modify();
}

bool CTrayIcon::SetHiddenState(bool hidden)
{
    m_data.uFlags = NIF_STATE;
    m_data.dwState = hidden ? NIS_HIDDEN : 0;
    m_data.dwStateMask = NIS_HIDDEN;
    if (!Modify()) return false;
    m_hidden = hidden;
    return true;
}

bool CTrayIcon::Hide()
{
    return SetHiddenState(true);
}

bool CTrayIcon::Show()
{
    return SetHiddenState(false);
}

void CTrayIcon::Remove()
{
    if (!m_present) return;
    m_data.uFlags = 0;
    Shell_NotifyIconW(NIM_DELETE, &m_data);
    m_present = false;
}

void CTrayIcon::OnTaskbarCreated()
{
    Remove();
    // A new shell knows nothing of the hidden state: the icon comes back
    // visible, while m_hidden keeps what the old shell was told.
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_present = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE;
}

void CTrayIcon::OnTrayNotification(WPARAM id, LPARAM mouseMessage)
{
    if (id != m_data.uID) return;
    HMENU popup = Popup();
    if (!popup) return;
    HWND owner = m_data.hWnd;
    switch (LOWORD(mouseMessage)) {
    case WM_RBUTTONUP: {
        POINT at{};
        GetCursorPos(&at);
        // Without the foreground the menu would not close when the user
        // clicks elsewhere; the WM_NULL afterwards lets it close on the
        // next click too (a long-standing shell quirk).
        SetForegroundWindow(owner);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
        PostMessageW(owner, WM_NULL, 0, 0);
        break;
    }
    case WM_LBUTTONDBLCLK: {
        SetForegroundWindow(owner);
        const UINT item = GetMenuDefaultItem(popup, FALSE, GMDI_GOINTOPOPUPS);
        if (item != static_cast<UINT>(-1)) SendMessageW(owner, WM_COMMAND, item, 0);
        break;
    }
    default:
        break;
    }
}

LRESULT CALLBACK CTrayIcon::OwnerHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* tray = reinterpret_cast<CTrayIcon*>(self);
    if (msg == g_taskbarCreated && msg != 0) {
        tray->OnTaskbarCreated();
    } else if (msg == WM_SETTINGCHANGE) {
        if (SettingChangeConcernsTrayIcon(static_cast<UINT>(wParam), reinterpret_cast<const wchar_t*>(lParam)))
            tray->LoadThemedIcon();
    } else if (msg == WM_DESTROY) {
        tray->Remove();
    } else if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, OwnerHook, kHookId);
        tray->m_hooked = false;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}
