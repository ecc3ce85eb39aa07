#include "schedule/dlg_cursor_tracer.h"

#include <cstdio>

#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/screen_corner.h"
#include "schedule/screen_corner_win.h"

namespace {
const int kCornerButtons[] = {IDC_CORNER_TOP_LEFT, IDC_CORNER_TOP_RIGHT, IDC_CORNER_BOTTOM_LEFT,
                              IDC_CORNER_BOTTOM_RIGHT};
}  // namespace

CDlgCursorTracer::CDlgCursorTracer(HWND parent) : CDialog(IDD_CURSOR_TRACER, parent) {}

void CDlgCursorTracer::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_CORNER_ENABLED, m_enabled);
    if (dx.Failed()) return;
    if (dx.Saving()) {
        m_corner = -1;
        for (int i = 0; i < 4; ++i)
            if (IsDlgButtonChecked(m_hWnd, kCornerButtons[i]) == BST_CHECKED) m_corner = i;
    } else {
        for (int i = 0; i < 4; ++i)
            CheckDlgButton(m_hWnd, kCornerButtons[i], i == m_corner ? BST_CHECKED : BST_UNCHECKED);
    }
}

bool CDlgCursorTracer::OnInitDialog()
{
    ISettingsStore& profile = AfxProfile();
    m_enabled = profile.ReadInt(kSettingsSection, L"Do Action at Screen Corner", 0);
    m_corner = profile.ReadInt(kSettingsSection, L"CursorLocationForAction", -1);
    HWND list = GetDlgItem(IDC_CORNER_ACTION);
    for (const wchar_t* text : kCornerActionTexts) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    CDialog::OnInitDialog();
    const std::wstring action = profile.ReadString(kSettingsSection, L"Action at Screen Corner", L"");
    // Selects the first item that begins with the text, ignoring case.
    if (!action.empty()) SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(action.c_str()));
    UpdateEnabledStates();
    SetIcons(IDR_MAINFRAME);
    SetTimer(m_hWnd, kPositionTimer, 100, nullptr);
    return true;
}

void CDlgCursorTracer::UpdateEnabledStates()
{
    const BOOL on = m_enabled != 0;
    EnableWindow(GetDlgItem(IDC_CORNER_THEN_LABEL), on);
    EnableWindow(GetDlgItem(IDC_CORNER_ACTION), on);
    for (int id : kCornerButtons) EnableWindow(GetDlgItem(id), on);
}

bool CDlgCursorTracer::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id != IDC_CORNER_ENABLED || notifyCode != BN_CLICKED) return false;
    UpdateData(true);
    UpdateEnabledStates();
    return true;
}

void CDlgCursorTracer::OnTimer(UINT_PTR)
{
    // The same reading as the corner check's; an unreadable position leaves
    // the last line standing.
    const std::optional<POINT> cursor = ReadCursorPosition();
    if (!cursor) return;
    wchar_t text[96];
    // The doubled ampersand shows as one "&" in the static control.
    swprintf(text, sizeof text / sizeof text[0], L"Current Cursor Position : X = %d && Y = %d",
             static_cast<int>(cursor->x), static_cast<int>(cursor->y));
    SetDlgItemTextW(m_hWnd, IDC_CORNER_POSITION, text);
}

void CDlgCursorTracer::OnOK()
{
    if (!UpdateData(true)) return;
    if (m_corner < 0) {
        MessageBoxW(m_hWnd, L"Please Select Mouse Cursor Location.", AfxAppTitle(), MB_ICONINFORMATION);
        SetFocus(GetDlgItem(IDC_CORNER_TOP_LEFT));
        return;
    }
    HWND list = GetDlgItem(IDC_CORNER_ACTION);
    const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        MessageBoxW(m_hWnd, L"Please Select Action To Continue.", AfxAppTitle(), MB_ICONINFORMATION);
        SetFocus(list);
        return;
    }
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, selected, 0);
    std::wstring action(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(action.data()));
    action.resize(wcslen(action.c_str()));

    ISettingsStore& profile = AfxProfile();
    profile.WriteInt(kSettingsSection, L"Do Action at Screen Corner", m_enabled);
    profile.WriteString(kSettingsSection, L"Action at Screen Corner", action);
    profile.WriteInt(kSettingsSection, L"CursorLocationForAction", m_corner);
    EndDialog(IDOK);
}

void OnScreenCorner(HWND owner)
{
    CDlgCursorTracer dialog(owner);
    dialog.DoModal();
}
