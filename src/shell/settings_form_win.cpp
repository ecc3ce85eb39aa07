// The settings form's own controls: up-down ranges, the link button, the
// wake-with-mouse and password warnings, the desktop-shortcut button and the
// web pages of the Help menu.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "framework/app.h"
#include "resources/resource.h"
#include "shell/launchers.h"
#include "shell/main_frame.h"
#include "shell/umbrix_view.h"

namespace {

// LM_GETIDEALSIZE (Vista and later; the same number as LM_GETIDEALHEIGHT,
// which is all some SDKs name): wParam the widest width, lParam a SIZE.
constexpr UINT kLinkGetIdealSize = WM_USER + 0x301;

const wchar_t kSupportAddress[] = L"support@corvane.example";

const wchar_t kWakeWithMouseWarning[] =
    L"This will prohibit Mouse from Turning Monitor ON due to mouse movements & will Block Mouse & Keyboard "
    L"Input.\nWhen Monitor is Turned Off, you can press any key on keyboard to Turn Monitor ON.\nAfter Key Press "
    L"Monitor will Turn ON, but in order to get access to your system, you will have to press Ctrl+Alt+Del and "
    L"when Task Manager Appears, click on Esc Key or Close Task Manager.\nOr to Turn ON Monitor and get access to "
    L"your system just press Ctrl+Alt+Del and then Close Task Manager.";

const wchar_t kPasswordWarning[] =
    L"Please Note the password is fixed and cannot be changed in this version.\nThe Password is case sensitive and "
    L"is Tamsk which you will have to enter to gain access to your screen when you turn monitor on again.\nIn case "
    L"you are unsure of this message, we strongly advise that you please uncheck the password protection "
    L"checkbox.\nIn case you would like to have different fixed password, we can provide it to you, just drop us "
    L"an email at ";


}  // namespace

void CUmbrixView::InitFormControls()
{
    SendDlgItemMessageW(m_hWnd, IDC_FORM_HOTKEY_SECONDS_SPIN, UDM_SETRANGE32, 1, 60);
    SendDlgItemMessageW(m_hWnd, IDC_FORM_LOCK_HOTKEY_SECONDS_SPIN, UDM_SETRANGE32, 1, 60);

    if (HWND link = GetDlgItem(IDC_FORM_FEEDBACK_LINK)) {
        LITEM item{};
        item.mask = LIF_ITEMINDEX | LIF_URL;
        item.iLink = 0;
        const std::wstring address = kFeedbackPage;
        address.copy(item.szUrl, std::min<size_t>(address.size(), L_MAX_URL_LENGTH - 1));
        SendMessageW(link, LM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
        RECT rect{};
        GetWindowRect(link, &rect);
        SIZE ideal{};
        SendMessageW(link, kLinkGetIdealSize, static_cast<WPARAM>(rect.right - rect.left) * 4,
                     reinterpret_cast<LPARAM>(&ideal));
        if (ideal.cx > 0 && ideal.cy > 0)
            SetWindowPos(link, nullptr, 0, 0, ideal.cx, ideal.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CUmbrixView::OnWakeWithMouseClicked()
{
    if (IsDlgButtonChecked(m_hWnd, IDC_FORM_WAKE_WITH_MOUSE) == BST_CHECKED) return;
    MessageBoxW(m_hWnd, kWakeWithMouseWarning, L"Umbrix", MB_OK | MB_ICONEXCLAMATION);
}

void CUmbrixView::OnPasswordClicked()
{
    // The validation result does not matter here: only the box is looked at.
    UpdateData(true);
    if (!m_password) return;
    const std::wstring text = std::wstring(kPasswordWarning) + kSupportAddress + L".";
    MessageBoxW(m_hWnd, text.c_str(), L"Umbrix", MB_OK | MB_ICONINFORMATION);
}

bool CUmbrixView::OnFormCommand(WORD id)
{
    switch (id) {
    case IDC_FORM_SHOW_TRAY_ICON: OnShowTrayIconBox(); return true;
    case IDC_FORM_RESET_ACTIONS: StoreClickActions(true); return true;
    case IDC_FORM_TRAY_ICON_BROWSE: OnBrowseTrayIconFile(); return true;
    case IDC_FORM_TRAY_ICON_CLEAR: OnClearTrayIconFile(); return true;
    case IDC_FORM_WAKE_WITH_MOUSE: OnWakeWithMouseClicked(); return true;
    case IDC_FORM_PASSWORD: OnPasswordClicked(); return true;
    // The same as the tray menu's "Create Desktop Shortcut".
    case IDC_FORM_DESKTOP_SHORTCUT: OnCreateDesktopShortcut(); return true;
    default: return OnHotKeyCommand(id);
    }
}
