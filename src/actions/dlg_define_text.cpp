#include "actions/dlg_define_text.h"

#include "actions/speech_win.h"
#include "framework/app.h"
#include "resources/resource.h"

CDlgDefineText::CDlgDefineText(HWND parent) : CDialog(IDD_DEFINE_TEXT, parent) {}

void CDlgDefineText::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_DEFINE_TEXT_EDIT, m_text);
}

bool CDlgDefineText::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    return true;
}

bool CDlgDefineText::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id != IDC_DEFINE_TEXT_SPEAK || notifyCode != BN_CLICKED) return false;
    OnSpeakAlertText();
    return true;
}

void CDlgDefineText::OnSpeakAlertText()
{
    if (!UpdateData(true)) return;
    CWaitCursor wait;
    if (!SpeakText(m_text))
        MessageBoxW(m_hWnd, L"Failed to Speak Alert.", AfxAppTitle(), MB_ICONERROR);
}
