#include "timer/dlg_warning.h"

#include <shellapi.h>

#include "resources/vandric_resource.h"

namespace {

ScreenRect FromRect(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

TaskbarEdge EdgeOf(UINT edge)
{
    switch (edge) {
    case ABE_LEFT: return TaskbarEdge::Left;
    case ABE_TOP: return TaskbarEdge::Top;
    case ABE_RIGHT: return TaskbarEdge::Right;
    case ABE_BOTTOM: return TaskbarEdge::Bottom;
    default: return TaskbarEdge::Unknown;
    }
}

}  // namespace

ScreenPoint BesideTaskbar(int width, int height)
{
    APPBARDATA bar{};
    bar.cbSize = sizeof(bar);
    TaskbarEdge edge = TaskbarEdge::Unknown;
    HMONITOR monitor = nullptr;
    if (SHAppBarMessage(ABM_GETTASKBARPOS, &bar)) {
        edge = EdgeOf(bar.uEdge);
        monitor = MonitorFromRect(&bar.rc, MONITOR_DEFAULTTOPRIMARY);
    }
    if (!monitor) monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info))
        SetRect(&info.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return WarningWindowPosition(edge, FromRect(bar.rc), FromRect(info.rcMonitor), width, height);
}

CDlgWarning::CDlgWarning() : CDialog(IDD_VANDRIC_WARNING) {}

CDlgWarning::~CDlgWarning()
{
    Close();
}

bool CDlgWarning::OnInitDialog()
{
    CDialog::OnInitDialog();
    // False: the dialog manager would otherwise give the first button the
    // focus, which activates the window when this thread is in the foreground.
    return false;
}

void CDlgWarning::Show(HWND owner, int remainingSeconds, const std::wstring& sentence)
{
    const bool creating = !IsWindow();
    if (creating && !CreateModeless(owner)) return;
    SetDlgItemTextW(m_hWnd, IDC_WARNING_SECONDS, WarningSecondsText(remainingSeconds).c_str());
    SetDlgItemTextW(m_hWnd, IDC_WARNING_TEXT, sentence.c_str());
    if (!creating) return;
    RECT r;
    GetWindowRect(m_hWnd, &r);
    const ScreenPoint at = BesideTaskbar(r.right - r.left, r.bottom - r.top);
    // WS_EX_NOACTIVATE keeps clicks from activating it; SWP_NOACTIVATE keeps
    // showing it from doing so.
    SetWindowPos(m_hWnd, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CDlgWarning::Close()
{
    if (IsWindow()) DestroyWindow(m_hWnd);
}

bool CDlgWarning::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED || (id != ID_VANDRIC_ADD_TEN && id != ID_VANDRIC_CANCEL_SCHEDULE)) return false;
    // Posted: the owner may close this window in answer.
    PostMessageW(m_parent, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return true;
}
