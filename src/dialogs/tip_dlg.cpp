#include "dialogs/tip_dlg.h"

#include <cstdio>
#include <sys/stat.h>
#include <vector>

#include "dialogs/tip_of_day.h"
#include "framework/app.h"
#include "framework/win_text.h"
#include "resources/resource.h"

namespace {

// The tips file's modification time as the text "TimeStamp" keeps.
std::string ModificationText(std::FILE* stream)
{
    struct _stat64 status {};
    if (_fstat64(_fileno(stream), &status) != 0) return std::string();
    return CalendarText(static_cast<std::time_t>(status.st_mtime));
}

}  // namespace

CTipDlg::CTipDlg(ISettingsStore& profile, const std::wstring& tipsPath, HWND parent) : CDialog(IDD_TIP, parent)
{
    // Binary, so that the stored position is an exact byte offset; the
    // reader drops the CR of CR LF itself.
    std::FILE* stream = _wfopen(tipsPath.c_str(), L"rb");
    const std::string stamp = stream ? ModificationText(stream) : std::string();
    m_session = std::make_unique<CTipSession>(profile, stream, stamp);
    m_startUpCheck = m_session->m_startUp ? 1 : 0;
    TakeTexts();
    ReportTrouble();
}

CTipDlg::~CTipDlg()
{
    if (m_headerFont) DeleteObject(m_headerFont);
    if (m_picture) DeleteObject(m_picture);
}

bool CTipDlg::StartUp() const
{
    return m_session->m_startUp;
}

void CTipDlg::TakeTexts()
{
    m_tip = AnsiToWide(m_session->m_tip);
    m_header = AnsiToWide(m_session->m_header);
    m_footer = AnsiToWide(m_session->m_footer);
}

void CTipDlg::ReportTrouble()
{
    if (!m_session->m_trouble) return;
    m_session->m_trouble = false;
    MessageBoxW(m_hWnd, AnsiToWide(kTipsFileTrouble).c_str(), AfxAppTitle(), MB_OK | MB_ICONEXCLAMATION);
}

void CTipDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_TIP_STRING, m_tip);
    dx.Text(IDC_TIP_HEADER, m_header);
    dx.Text(IDC_TIP_FOOTER, m_footer);
    dx.Check(IDC_TIP_STARTUP, m_startUpCheck);
}

bool CTipDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_session->CanStep()) EnableWindow(GetDlgItem(IDC_TIP_NEXT), FALSE);
    LOGFONTW font{};
    if (HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0)))
        GetObjectW(dialogFont, sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = font.lfHeight ? font.lfHeight * 3 / 2 : -16;
    m_headerFont = CreateFontIndirectW(&font);
    if (m_headerFont) SendDlgItemMessageW(m_hWnd, IDC_TIP_HEADER, WM_SETFONT, reinterpret_cast<WPARAM>(m_headerFont), 0);
    m_picture = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TIP_PICTURE),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return true;
}

void CTipDlg::OnOK()
{
    UpdateData(true);
    m_session->StoreStartUp(m_startUpCheck != 0);
    EndDialog(IDOK);
}

bool CTipDlg::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id != IDC_TIP_NEXT || notifyCode != BN_CLICKED) return false;
    // Only the texts are replaced; the check box keeps what the user set.
    UpdateData(true);
    m_session->NextTip();
    TakeTexts();
    UpdateData(false);
    if (!m_session->CanStep()) EnableWindow(GetDlgItem(IDC_TIP_NEXT), FALSE);
    ReportTrouble();
    return true;
}

void CTipDlg::PaintPanel(HDC dc)
{
    HWND panel = GetDlgItem(IDC_TIP_PANEL);
    if (!panel) return;
    RECT rect{};
    GetWindowRect(panel, &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    BITMAP info{};
    if (!m_picture || !GetObjectW(m_picture, sizeof(info), &info)) return;
    // The picture grows with the display's scale, as the dialog units do.
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    const int width = MulDiv(info.bmWidth, dpi > 96 ? dpi : 96, 96);
    const int height = MulDiv(info.bmHeight, dpi > 96 ? dpi : 96, 96);
    const COLORREF stripColor = GetSysColor(COLOR_BTNSHADOW);
    RECT strip = rect;
    strip.right = strip.left + width;
    HBRUSH stripBrush = CreateSolidBrush(stripColor);
    FillRect(dc, &strip, stripBrush);
    DeleteObject(stripBrush);

    // The picture's white shows the strip colour, so it sits on the strip.
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
    if (!GetDIBits(dc, m_picture, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &header, DIB_RGB_COLORS)) return;
    const DWORD replacement = (GetRValue(stripColor) << 16) | (GetGValue(stripColor) << 8) | GetBValue(stripColor);
    for (DWORD& pixel : pixels)
        if ((pixel & 0xFFFFFF) == 0xFFFFFF) pixel = replacement;
    RECT at{};
    if (HWND position = GetDlgItem(IDC_TIP_PICTURE)) {
        GetWindowRect(position, &at);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&at), 2);
    }
    StretchDIBits(dc, at.left, at.top, width, height, 0, 0, info.bmWidth, info.bmHeight, pixels.data(), &header,
                  DIB_RGB_COLORS, SRCCOPY);
}

bool CTipDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (msg) {
    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id != IDC_TIP_STRING && id != IDC_TIP_HEADER && id != IDC_TIP_FOOTER) return false;
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        result = reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        return true;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(m_hWnd, &paint);
        PaintPanel(dc);
        EndPaint(m_hWnd, &paint);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}
