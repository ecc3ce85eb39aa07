#include "dialogs/about_dlg.h"

#include <commctrl.h>

#include "actions/web_pages.h"
#include "resources/resource.h"

CAboutDlg::CAboutDlg(HWND parent) : CDialog(IDD_ABOUTBOX, parent) {}

bool CAboutDlg::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR& result)
{
    if (msg != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != NM_CLICK && header->code != NM_RETURN) return false;
    switch (header->idFrom) {
    case IDC_ABOUT_WEBSITE: OpenWebPage(kProductWebsite, SW_SHOW); break;
    case IDC_ABOUT_SUPPORT: OpenWebPage(kSupportMail, SW_SHOW); break;
    default: return false;
    }
    result = 0;
    return true;
}
