#include "dialogs/dlg_help_videos.h"

#include <commctrl.h>

#include "actions/web_pages.h"
#include "resources/resource.h"

CDlgHelpVideos::CDlgHelpVideos(HWND parent) : CDialog(IDD_HELP_VIDEOS, parent) {}

bool CDlgHelpVideos::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (m_browser.Create(m_hWnd, client))
        m_browser.Navigate(kHelpVideosPage);
    else
        ::ShowWindow(GetDlgItem(IDC_HELP_VIDEOS_LINK), SW_SHOW);
    Layout();
    return true;
}

void CDlgHelpVideos::Layout()
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (m_browser.Created()) {
        m_browser.Move(client);
        return;
    }
    // The link stays a centred block whatever the window's size.
    HWND link = GetDlgItem(IDC_HELP_VIDEOS_LINK);
    if (!link) return;
    RECT rect{};
    GetWindowRect(link, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SetWindowPos(link, nullptr, (client.right - width) / 2 > 0 ? (client.right - width) / 2 : 0,
                 (client.bottom - height) / 2 > 0 ? (client.bottom - height) / 2 : 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDlgHelpVideos::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR& result)
{
    switch (msg) {
    case WM_SIZE:
        Layout();
        return false;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != IDC_HELP_VIDEOS_LINK || (header->code != NM_CLICK && header->code != NM_RETURN))
            return false;
        OpenWebPage(kHelpVideosPage, SW_SHOWMAXIMIZED);
        result = 0;
        return true;
    }
    case WM_DESTROY:
        m_browser.Destroy();
        return false;
    default:
        return false;
    }
}
