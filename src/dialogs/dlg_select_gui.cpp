#include "dialogs/dlg_select_gui.h"

#include "dialogs/app_look.h"
#include "framework/app.h"
#include "resources/resource.h"

CDlgSelectGui::CDlgSelectGui(std::function<int()> currentLook, std::function<void(int, HWND)> selectLook,
                             HWND parent)
    : CDialog(IDD_SELECT_GUI, parent), m_currentLook(std::move(currentLook)), m_selectLook(std::move(selectLook))
{
}

bool CDlgSelectGui::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    ShowCurrentLook();
    return true;
}

void CDlgSelectGui::ShowCurrentLook()
{
    const int current = m_currentLook ? m_currentLook() : kLookNone;
    for (int look = kLookFirst; look <= kLookBasicWindowsSkin; ++look)
        CheckDlgButton(m_hWnd, *LookRadioButton(look), look == current ? BST_CHECKED : BST_UNCHECKED);
}

bool CDlgSelectGui::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_LOOK_CUSTOMIZE_MENU) {
        MessageBoxW(m_hWnd, kCustomizeMenuNotice, AfxAppTitle(), MB_OK | MB_ICONINFORMATION);
        return true;
    }
    const auto look = LookOfRadioButton(id);
    if (!look) return false;
    if (m_selectLook) m_selectLook(*look, m_hWnd);
    // A change the user declined (or one that waits for the restart) leaves
    // the look in force as it was; the buttons say so.
    ShowCurrentLook();
    return true;
}
