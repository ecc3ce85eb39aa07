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
    else {
        ::ShowWindow(GetDlgItem(IDC_HELP_VIDEOS_NOTE), SW_SHOW);
        ::ShowWindow(GetDlgItem(IDC_HELP_VIDEOS_LINK), SW_SHOW);
    }
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
    // The note and the link stay a centred block whatever the window's size.
    HWND note = GetDlgItem(IDC_HELP_VIDEOS_NOTE);
    HWND link = GetDlgItem(IDC_HELP_VIDEOS_LINK);
    if (!note || !link) return;
    RECT noteRect{};
    RECT linkRect{};
    GetWindowRect(note, &noteRect);
    GetWindowRect(link, &linkRect);
    RECT block{};
    UnionRect(&block, &noteRect, &linkRect);
    const int left = (client.right - (block.right - block.left)) / 2;
    const int top = (client.bottom - (block.bottom - block.top)) / 2;
    const int x = left > 0 ? left : 0;
    const int y = top > 0 ? top : 0;
    SetWindowPos(note, nullptr, x + noteRect.left - block.left, y + noteRect.top - block.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(link, nullptr, x + linkRect.left - block.left, y + linkRect.top - block.top, 0, 0,
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
