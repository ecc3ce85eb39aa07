#include "shell/hot_keys.h"

#include <commctrl.h>

#include "actions/display_ops.h"
#include "actions/dlg_confirmation.h"
#include "app/settings_store.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "shell/umbrix_view.h"

namespace {

int FieldId(HotKeyId id)
{
    return id == HotKeyId::MonitorOff ? IDC_FORM_HOTKEY : IDC_FORM_LOCK_HOTKEY;
}

}  // namespace

bool CThreadHotKeyRegistrar::Register(HotKeyId id, unsigned modifiers, unsigned key)
{
    return RegisterHotKey(nullptr, static_cast<int>(id), modifiers, key) != FALSE;
}

void CThreadHotKeyRegistrar::Unregister(HotKeyId id)
{
    UnregisterHotKey(nullptr, static_cast<int>(id));
}

void CHotKeyMessageBoxes::Inform(const std::wstring& text, NoticeOwner owner)
{
    HWND window = owner == NoticeOwner::SettingsWindow && m_settingsWindow ? m_settingsWindow->GetSafeHwnd() : nullptr;
    MessageBoxW(window, text.c_str(), L"Umbrix", MB_OK | MB_ICONINFORMATION);
}

bool SystemHasNoRepeatFlag()
{
    // RtlGetVersion tells the truth whatever the manifest says.
    using Fn = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll ? reinterpret_cast<Fn>(GetProcAddress(ntdll, "RtlGetVersion")) : nullptr;
    OSVERSIONINFOW info{sizeof(info)};
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) return false;
    return SystemHasNoRepeat(info.dwMajorVersion, info.dwMinorVersion);
}

void RegisterStoredHotKeys(HWND)
{
    CThreadHotKeyRegistrar registrar;
    CHotKeyMessageBoxes notices(nullptr);
    CHotKeys hotKeys(AfxProfile(), registrar, notices, SystemHasNoRepeatFlag());
    hotKeys.Register(HotKeyId::MonitorOff);
    hotKeys.Register(HotKeyId::LockAndMonitorOff);
}

void UnregisterHotKeys()
{
    CThreadHotKeyRegistrar registrar;
    registrar.Unregister(HotKeyId::MonitorOff);
    registrar.Unregister(HotKeyId::LockAndMonitorOff);
}

bool HandleHotKeyMessage(const MSG& msg)
{
    if (msg.message != WM_HOTKEY) return false;
    const HotKeyPress press = DecideHotKeyPress(static_cast<std::uintptr_t>(msg.wParam), AfxProfile());
    if (press.confirm) {
        CDlgConfirmation confirmation;
        confirmation.m_seconds = press.seconds;
        confirmation.m_message = press.message;
        if (confirmation.DoModal() != IDOK) return true;
    }
    MonitorOff(press.lock);
    return true;
}

void CUmbrixView::ShowStoredHotKey(HotKeyId id)
{
    const HotKeyField field = m_hotKeys->ShowStored(id);
    SendDlgItemMessageW(m_hWnd, FieldId(id), HKM_SETHOTKEY,
                        MAKEWORD(static_cast<BYTE>(field.key), static_cast<BYTE>(field.flags)), 0);
}

HotKeyField CUmbrixView::HotKeyFieldOf(HotKeyId id) const
{
    const WORD value = static_cast<WORD>(SendDlgItemMessageW(m_hWnd, FieldId(id), HKM_GETHOTKEY, 0, 0));
    return {LOBYTE(value), HIBYTE(value)};
}

void CUmbrixView::EnableConfirmationFields()
{
    const bool first = IsDlgButtonChecked(m_hWnd, IDC_FORM_HOTKEY_CONFIRM) == BST_CHECKED;
    const bool second = IsDlgButtonChecked(m_hWnd, IDC_FORM_LOCK_HOTKEY_CONFIRM) == BST_CHECKED;
    EnableWindow(GetDlgItem(IDC_FORM_HOTKEY_SECONDS), first);
    EnableWindow(GetDlgItem(IDC_FORM_HOTKEY_SECONDS_SPIN), first);
    EnableWindow(GetDlgItem(IDC_FORM_LOCK_HOTKEY_SECONDS), second);
    EnableWindow(GetDlgItem(IDC_FORM_LOCK_HOTKEY_SECONDS_SPIN), second);
}

bool CUmbrixView::OnHotKeyCommand(WORD id)
{
    switch (id) {
    case IDC_FORM_HOTKEY_CHANGE:
        m_hotKeys->Store(HotKeyId::MonitorOff, HotKeyFieldOf(HotKeyId::MonitorOff), false);
        return true;
    case IDC_FORM_LOCK_HOTKEY_CHANGE:
        m_hotKeys->Store(HotKeyId::LockAndMonitorOff, HotKeyFieldOf(HotKeyId::LockAndMonitorOff), false);
        return true;
    case IDC_FORM_HOTKEY_CLEAR:
    case IDC_FORM_LOCK_HOTKEY_CLEAR: {
        const HotKeyId which = id == IDC_FORM_HOTKEY_CLEAR ? HotKeyId::MonitorOff : HotKeyId::LockAndMonitorOff;
        m_hotKeys->Clear(which);
        SendDlgItemMessageW(m_hWnd, FieldId(which), HKM_SETHOTKEY, 0, 0);
        return true;
    }
    case IDC_FORM_HOTKEY_CONFIRM:
    case IDC_FORM_LOCK_HOTKEY_CONFIRM: EnableConfirmationFields(); return true;
    default: return false;
    }
}
