#include "shell/dlg_select_function.h"

#include "actions/action_catalog.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "shell/desktop_shortcut.h"

CDlgSelectFunction::CDlgSelectFunction(HWND parent, int versionClass)
    : CDialog(IDD_SELECT_FUNCTION, parent), m_versionClass(versionClass)
{
}

bool CDlgSelectFunction::OnInitDialog()
{
    // The list is still empty here, so the exchange selects nothing in it.
    CDialog::OnInitDialog();
    SetWindowTextW(m_hWnd, (std::wstring(AfxAppTitle()) + L" - Desktop Shortcut").c_str());
    SetIcons(IDR_MAINFRAME);
    HWND list = GetDlgItem(IDC_SELECT_LIST);
    for (const std::wstring& entry : ShortcutActionList(m_versionClass))
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (m_versionClass != kVersionClassVista) EnableWindow(GetDlgItem(IDC_SELECT_RIGHT_CLICK), FALSE);
    return true;
}

void CDlgSelectFunction::DoDataExchange(CDataExchange& dx)
{
    if (dx.Saving()) {
        HWND list = GetDlgItem(IDC_SELECT_LIST);
        const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
        m_selected.clear();
        if (index != LB_ERR) {
            const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
            if (length > 0) {
                std::wstring text(static_cast<size_t>(length) + 1, L'\0');
                const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
                text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
                m_selected = text;
            }
        }
    }
    dx.Check(IDC_SELECT_CONFIRM, m_confirm);
    dx.Check(IDC_SELECT_RIGHT_CLICK, m_rightClick);
}

void CDlgSelectFunction::OnOK()
{
    if (SendMessageW(GetDlgItem(IDC_SELECT_LIST), LB_GETCURSEL, 0, 0) == LB_ERR) {
        MessageBoxW(m_hWnd, L"Please Select Action from the list to continue.", L"Umbrix", MB_ICONINFORMATION);
        return;
    }
    CDialog::OnOK();
}
