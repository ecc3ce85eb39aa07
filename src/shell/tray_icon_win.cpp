// The tray icon, its tooltip, its menu and the four click actions of the
// settings view.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "actions/display_ops.h"
#include "actions/action_catalog.h"
#include "app/settings_store.h"
#include "framework/app.h"
#include "framework/system_library.h"
#include "framework/tray_icon_theme_win.h"
#include "resources/resource.h"
#include "shell/tray_tooltip.h"
#include "shell/umbrix_view.h"

namespace {

const int kClickListIds[] = {IDC_FORM_LEFT_CLICK, IDC_FORM_RIGHT_CLICK, IDC_FORM_LEFT_DOUBLE_CLICK,
                             IDC_FORM_RIGHT_DOUBLE_CLICK};
const TrayIconSet kTrayIcons{IDI_TRAY_DARK_TASKBAR,       IDI_TRAY_LIGHT_TASKBAR,       IDI_TRAY_HIGH_CONTRAST,
                             IDI_TRAY_AWAKE_DARK_TASKBAR, IDI_TRAY_AWAKE_LIGHT_TASKBAR, IDI_TRAY_AWAKE_HIGH_CONTRAST};

const TrayGesture kClickListGestures[] = {TrayGesture::LeftClick, TrayGesture::RightClick,
                                          TrayGesture::LeftDoubleClick, TrayGesture::RightDoubleClick};

// Shells before version 6 (Windows 2000) refuse the larger record; nothing
// newer than the XP fields is used.
DWORD NotifyIconDataSize()
{
    static DWORD size = [] {
        DWORD major = 6;
        if (HMODULE shell = LoadSystemLibrary(L"shell32.dll")) {
            using Fn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
            if (auto getVersion = reinterpret_cast<Fn>(GetProcAddress(shell, "DllGetVersion"))) {
                DLLVERSIONINFO info{sizeof(info)};
                if (SUCCEEDED(getVersion(&info))) major = info.dwMajorVersion;
            }
            FreeLibrary(shell);
        }
        return major >= 6 ? static_cast<DWORD>(NOTIFYICONDATAW_V3_SIZE) : static_cast<DWORD>(NOTIFYICONDATAW_V2_SIZE);
    }();
    return size;
}

NOTIFYICONDATAW IconRecord(HWND owner, HICON icon, const std::wstring& tip)
{
    NOTIFYICONDATAW data{};
    data.cbSize = NotifyIconDataSize();
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = UM_TRAY_NOTIFY;
    data.hIcon = icon;
    const std::wstring cut = CutTooltip(tip);
    cut.copy(data.szTip, cut.size());
    return data;
}

bool GestureOf(UINT mouseMessage, TrayGesture& gesture)
{
    switch (mouseMessage) {
    case WM_LBUTTONUP: gesture = TrayGesture::LeftClick; return true;
    case WM_RBUTTONUP: gesture = TrayGesture::RightClick; return true;
    case WM_LBUTTONDBLCLK: gesture = TrayGesture::LeftDoubleClick; return true;
    case WM_RBUTTONDBLCLK: gesture = TrayGesture::RightDoubleClick; return true;
    default: return false;
    }
}

}  // namespace

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void AllowTaskbarCreated(HWND frame)
{
    // Run as administrator, the frame would not hear from the shell (user
    // interface privilege isolation filters the broadcast). Windows 7 and
    // later; looked up by name.
    using Fn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto allow = user32 ? reinterpret_cast<Fn>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")) : nullptr;
    if (allow) allow(frame, TaskbarCreatedMessage(), 1 /* MSGFLT_ALLOW */, nullptr);
}

void CUmbrixView::LoadTrayIconHandle()
{
    m_trayIcon.reset();
    m_trayIcon.reset(
        LoadThemedTrayIcon(GetModuleHandleW(nullptr), kTrayIcons, m_trayIconFile, KeptAwake(), &m_trayIconResource));
}

void CUmbrixView::OnSettingChange(UINT action, const wchar_t* area)
{
    if (!m_iconPresent || !SettingChangeConcernsTrayIcon(action, area)) return;
    LoadTrayIconHandle();
    NOTIFYICONDATAW data = IconRecord(m_hWnd, m_trayIcon.get(), m_trayTip);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool CUmbrixView::AddTrayIcon(const std::wstring& tip)
{
    NOTIFYICONDATAW data = IconRecord(m_hWnd, m_trayIcon.get(), tip);
    if (Shell_NotifyIconW(NIM_ADD, &data)) return true;
    // "TaskbarCreated" also comes while the shell still holds our icon (the
    // taskbar was only rebuilt, or another program sent it); the shell then
    // refuses a second add, and the icon is there to be updated.
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool CUmbrixView::CreateTrayIcon()
{
    LoadTrayIconHandle();
    if (!AddTrayIcon(L"Umbrix")) return false;
    m_trayTip = L"Umbrix";
    if (!m_trayMenu) {
        const UINT menu = GetWindowsVersionClass() == kVersionClassVista ? IDR_TRAY_MENU_VISTA : IDR_TRAY_MENU;
        m_trayMenu.reset(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menu)));
        SetTrayMenuDefaultItem();
    }
    m_iconPresent = true;
    return true;
}

void CUmbrixView::RemoveTrayIcon()
{
    NOTIFYICONDATAW data{};
    data.cbSize = NotifyIconDataSize();
    data.hWnd = m_hWnd;
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    m_iconPresent = false;
}

void CUmbrixView::RefreshTrayTooltip()
{
    LoadTrayIconHandle();
    const TrayTooltip tip = ComposeTrayTooltip(
        AfxProfile(), m_timedKeepAwake ? std::optional<std::wstring>(m_keptAwakeUntil) : std::nullopt);
    if (tip.idleOffThresholdMs) m_idleOffThresholdMs = *tip.idleOffThresholdMs;
    if (tip.idleScrThresholdMs) m_idleScrThresholdMs = *tip.idleScrThresholdMs;
    m_trayTip = tip.text;
    // Without an icon in the tray the shell refuses this, and that is all.
    NOTIFYICONDATAW data = IconRecord(m_hWnd, m_trayIcon.get(), m_trayTip);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void CUmbrixView::OnTaskbarCreated()
{
    // A restarted shell has forgotten every icon. One that was shown comes
    // back as it was; one that the shell refused at start-up (it was not
    // running yet) is created now if the user wants it.
    if (m_iconPresent) {
        LoadTrayIconHandle();
        m_iconPresent = AddTrayIcon(m_trayTip);
    } else if (AfxProfile().ReadInt(kSettingsSection, L"SysTray", 1) == 1 && CreateTrayIcon()) {
        RefreshTrayTooltip();
    }
}

void CUmbrixView::OnTrayNotify(UINT mouseMessage)
{
    TrayGesture gesture = TrayGesture::LeftClick;
    if (!GestureOf(mouseMessage, gesture)) return;
    const TrayClickDecision decision = DecideTrayClick(gesture, AfxProfile());
    switch (decision.kind) {
    case TrayClickDecision::Kind::ShowMenu: ShowTrayMenu(); break;
    case TrayClickDecision::Kind::PostCommand:
        PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(decision.command), 0), 0);
        break;
    case TrayClickDecision::Kind::Nothing: break;
    }
}

void CUmbrixView::ShowTrayMenu()
{
    if (!m_trayMenu) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without this the menu does not close when the user clicks elsewhere
    // (the view is a child: its frame is what can be the foreground window).
    SetForegroundWindow(GetAncestor(m_hWnd, GA_ROOT));
    MarkKeepAwakeItem(GetSubMenu(m_trayMenu.get(), 0));
    TrackPopupMenu(GetSubMenu(m_trayMenu.get(), 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, cursor.x,
                   cursor.y, 0, m_hWnd, nullptr);
    // Lets the menu go away properly on the next click (see the remarks of
    // TrackPopupMenu on notification icons).
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CUmbrixView::SetTrayMenuDefaultItem()
{
    if (!m_trayMenu) return;
    HMENU popup = GetSubMenu(m_trayMenu.get(), 0);
    SetMenuDefaultItem(popup, static_cast<UINT>(-1), FALSE);
    // Separators carry id 0; "None" must not make one of them the default.
    const int command = TrayMenuDefaultCommand(AfxProfile());
    if (command > 0) SetMenuDefaultItem(popup, static_cast<UINT>(command), FALSE);
}

void CUmbrixView::FillClickList(int controlId, TrayGesture gesture)
{
    HWND list = GetDlgItem(controlId);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const ClickListEntry& entry : ClickListEntries()) {
        const LRESULT index = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(entry.value));
    }
    const int stored = AfxProfile().ReadInt(kSettingsSection, ClickActionValueName(gesture), kClickActionDefault);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(ClickListIndexOf(stored)), 0);
}

void CUmbrixView::FillClickLists()
{
    for (int i = 0; i < 4; ++i) FillClickList(kClickListIds[i], kClickListGestures[i]);
}

void CUmbrixView::StoreClickActions(bool reset)
{
    if (reset)
        for (int id : kClickListIds) SendDlgItemMessageW(m_hWnd, id, CB_SETCURSEL, 0, 0);
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const LRESULT selected = SendDlgItemMessageW(m_hWnd, kClickListIds[i], CB_GETCURSEL, 0, 0);
        values[i] = ClickListValueAt(static_cast<int>(selected));
    }
    ::StoreClickActions(AfxProfile(), ClickActionChoice{values[0], values[1], values[2], values[3]}, false);
    SetTrayMenuDefaultItem();
}

void CUmbrixView::OnShowTrayIconBox()
{
    const bool ticked = IsDlgButtonChecked(m_hWnd, IDC_FORM_SHOW_TRAY_ICON) == BST_CHECKED;
    AfxProfile().WriteInt(kSettingsSection, L"SysTray", ticked ? 1 : 0);
    switch (DecideShowIconBox(ticked, m_iconPresent)) {
    case ShowIconStep::Create:
        if (!CreateTrayIcon())
            MessageBoxW(m_hWnd, L"The Program could not create System Tray Icon.", L"Umbrix", MB_ICONINFORMATION);
        break;
    case ShowIconStep::Remove: RemoveTrayIcon(); break;
    case ShowIconStep::Nothing: break;
    }
}

void CUmbrixView::OnBrowseTrayIconFile()
{
    wchar_t file[1024] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = L"Icon files\0*.ICO\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = 1024;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    const bool chosen = GetOpenFileNameW(&ofn) != FALSE;

    CWaitCursor wait;
    if (chosen) {
        m_trayIconFile = file;
        SetDlgItemTextW(m_hWnd, IDC_FORM_TRAY_ICON_FILE, m_trayIconFile.c_str());
        AfxProfile().WriteString(kSettingsSection, L"SystemTrayIconFile", m_trayIconFile);
    }
    RemoveTrayIcon();
    UpdateData(true);
    CreateTrayIcon();
}

void CUmbrixView::OnClearTrayIconFile()
{
    CWaitCursor wait;
    m_trayIconFile.clear();
    SetDlgItemTextW(m_hWnd, IDC_FORM_TRAY_ICON_FILE, L"");
    AfxProfile().WriteString(kSettingsSection, L"SystemTrayIconFile", L"");
    RemoveTrayIcon();
    UpdateData(true);
    CreateTrayIcon();
}
