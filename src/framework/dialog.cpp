#include "framework/dialog.h"

#include "framework/app.h"

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CDialog* self = static_cast<CDialog*>(FromHandle(hwnd));
    if (!self && msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->Attach(hwnd);
    }
    if (!self) return FALSE;
    const INT_PTR result = self->DialogProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}

INT_PTR CDialog::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam);
        const WORD code = HIWORD(wParam);
        if (OnCommand(id, code, reinterpret_cast<HWND>(lParam))) return TRUE;
        if (code == BN_CLICKED || lParam == 0) {
            if (id == IDOK) { OnOK(); return TRUE; }
            if (id == IDCANCEL) { OnCancel(); return TRUE; }
        }
        return FALSE;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    default: {
        INT_PTR result = 0;
        if (OnMessage(msg, wParam, lParam, result)) {
            // These few answer through the dialog procedure's own return
            // value (a brush for the colour messages), not DWLP_MSGRESULT.
            if ((msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
                msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON)
                return result;
            SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
    }
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(WORD, WORD, HWND)
{
    return false;
}

void CDialog::OnTimer(UINT_PTR) {}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&)
{
    return false;
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(m_hWnd, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool CDialog::PreTranslateMessage(MSG& msg)
{
    return m_hWnd && IsDialogMessageW(m_hWnd, &msg);
}

void CDialog::SetIcons(UINT iconId)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto big = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    auto small = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

bool CDialog::CreateModeless(HWND parent)
{
    m_parent = parent;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent, StaticDialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ending = true;
    if (!m_modal && m_hWnd) DestroyWindow(m_hWnd);
    // Wake the modal loop, which may be waiting in GetMessage.
    if (m_modal) PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

INT_PTR CDialog::DoModal()
{
    // Like the framework this replaces: without an explicit parent the
    // dialog is owned by the main window, which is disabled while it runs.
    HWND owner = m_parent ? m_parent : AfxGetMainHwnd();
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    const bool enableOwner = owner && IsWindowEnabled(owner);

    m_modal = true;
    m_ending = false;
    m_result = IDCANCEL;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                                   StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        m_modal = false;
        return -1;
    }
    if (!m_ending) {
        if (enableOwner) EnableWindow(owner, FALSE);
        ShowWindow(SW_SHOW);
        CWinAppBase* app = AfxGetApp();
        while (!m_ending && IsWindow()) {
            if (app) {
                if (!app->PumpMessage()) break;  // WM_QUIT was put back for the outer loop
            } else {
                MSG msg;
                if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
                if (!IsDialogMessageW(m_hWnd, &msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageW(&msg);
                }
            }
        }
        // Re-enable the owner before the dialog goes, or Windows activates
        // some other program's window.
        if (enableOwner) EnableWindow(owner, TRUE);
        if (owner && GetActiveWindow() == m_hWnd) SetActiveWindow(owner);
    }
    m_modal = false;
    if (m_hWnd) DestroyWindow(m_hWnd);
    return m_result;
}
