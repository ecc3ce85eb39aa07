#include "dialogs/dlg_welcome.h"

#include <commctrl.h>

#include "actions/web_pages.h"
#include "resources/resource.h"

CDlgWelcome::CDlgWelcome(HWND frame, HWND parent) : CDialog(IDD_WELCOME, parent), m_frame(frame) {}

bool CDlgWelcome::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    return true;
}

bool CDlgWelcome::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_WELCOME_SETTINGS:
        // The frame's own "Umbrix Settings" command loads the values afresh,
        // so the window never shows (and a later Save never writes back)
        // values that changed since it was last open.
        EndDialog(IDOK);
        PostMessageW(m_frame, WM_COMMAND, ID_TRAY_SETTINGS, 0);
        return true;
    case IDC_WELCOME_SHORTCUT:
        PostMessageW(m_frame, WM_COMMAND, ID_CREATE_DESKTOP_SHORTCUT, 0);
        return true;
    default:
        return false;
    }
}

bool CDlgWelcome::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR& result)
{
    if (msg != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != IDC_WELCOME_FEEDBACK || (header->code != NM_CLICK && header->code != NM_RETURN))
        return false;
    OpenWebPage(kFeedbackPage, SW_SHOWMAXIMIZED);
    result = 0;
    return true;
}
