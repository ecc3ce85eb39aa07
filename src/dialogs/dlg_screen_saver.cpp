#include "dialogs/dlg_screen_saver.h"

#include "actions/display_ops.h"
#include "actions/system_requests.h"
#include "dialogs/screen_saver_choice.h"
#include "framework/win_text.h"
#include "resources/resource.h"

namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

class CDesktopKey {
public:
    explicit CDesktopKey(REGSAM access)
    {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, access, &m_key) != ERROR_SUCCESS) m_key = nullptr;
    }
    ~CDesktopKey() { if (m_key) RegCloseKey(m_key); }
    CDesktopKey(const CDesktopKey&) = delete;
    CDesktopKey& operator=(const CDesktopKey&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

}  // namespace

std::wstring ReadDefaultScreenSaver()
{
    CDesktopKey key(KEY_QUERY_VALUE);
    std::wstring path;
    if (key.Get()) ReadScreenSaverPath(key.Get(), path);
    return path;
}

bool StoreDefaultScreenSaver(const std::wstring& path)
{
    CDesktopKey key(KEY_SET_VALUE);
    if (!key.Get()) return false;
    const DWORD bytes = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key.Get(), L"SCRNSAVE.EXE", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()), bytes) !=
        ERROR_SUCCESS)
        return false;
    RegFlushKey(key.Get());
    return true;
}

CDlgScreenSaver::CDlgScreenSaver(HWND parent) : CDialog(IDD_SCREEN_SAVER, parent) {}

CDlgScreenSaver::~CDlgScreenSaver()
{
    StopPreview();
}

bool CDlgScreenSaver::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    FillList();
    Refresh(true);
    return true;
}

void CDlgScreenSaver::FillList()
{
    m_systemDir = GetSystemDirectoryString();
    // "&Preview" opens the bare file name, which resolves against the
    // current directory.
    if (m_systemDir.empty() || !SetCurrentDirectoryW(m_systemDir.c_str())) return;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(L"*.scr", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    HWND list = GetDlgItem(IDC_SCR_LIST);
    do {
        const std::wstring entry = ScreenSaverEntry(found.cFileName);
        if (entry.empty()) continue;
        m_entries.push_back(entry);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void CDlgScreenSaver::Refresh(bool select)
{
    const std::wstring path = ReadDefaultScreenSaver();
    SetDlgItemTextW(m_hWnd, IDC_SCR_DEFAULT, DefaultScreenSaverLabel(path, m_systemDir).c_str());
    if (select) {
        const auto index = FindScreenSaverEntry(m_entries, DefaultScreenSaverName(path, m_systemDir));
        if (index) SendDlgItemMessageW(m_hWnd, IDC_SCR_LIST, LB_SETCURSEL, static_cast<WPARAM>(*index), 0);
    }
    StopPreview();
    StartPreview(path);
}

void CDlgScreenSaver::StartPreview(const std::wstring& path)
{
    const std::wstring commandLine =
        PreviewCommandLine(path, reinterpret_cast<std::uintptr_t>(GetDlgItem(IDC_SCR_PREVIEW_AREA)));
    if (commandLine.empty()) return;
    PROCESS_INFORMATION info{};
    if (!System().StartProcess(commandLine, info)) return;
    // Only the process is ever waited on or ended.
    CloseHandle(info.hThread);
    m_previewProcess = info.hProcess;
    m_previewId = info.dwProcessId;
}

void CDlgScreenSaver::StopPreview()
{
    if (!m_previewProcess) return;
    System().TerminateProcess(m_previewProcess, 0);
    CloseHandle(m_previewProcess);
    m_previewProcess = nullptr;
    m_previewId = 0;
    // The preview's window lived in the area; repaint its own text.
    if (HWND area = GetDlgItem(IDC_SCR_PREVIEW_AREA)) InvalidateRect(area, nullptr, TRUE);
}

std::wstring CDlgScreenSaver::SelectedEntry() const
{
    const LRESULT index = SendDlgItemMessageW(m_hWnd, IDC_SCR_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || index < 0 || static_cast<size_t>(index) >= m_entries.size()) return std::wstring();
    return m_entries[static_cast<size_t>(index)];
}

void CDlgScreenSaver::OnSelectionChange()
{
    const std::wstring entry = SelectedEntry();
    if (entry.empty()) return;
    StoreDefaultScreenSaver(ScreenSaverPath(m_systemDir, entry));
    Refresh(false);
}

void CDlgScreenSaver::OnPreview()
{
    const std::wstring entry = SelectedEntry();
    if (!entry.empty()) System().ShellExecuteFile(L"Open", entry + L".scr", L"", SW_SHOW);
}

void CDlgScreenSaver::OnConfigure()
{
    const std::wstring entry = SelectedEntry();
    if (!entry.empty())
        System().ShellExecuteFile(L"Open", L"rundll32.exe", ConfigureParameters(m_systemDir, entry), SW_SHOW);
}

bool CDlgScreenSaver::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (id == IDC_SCR_LIST && notifyCode == LBN_SELCHANGE) {
        OnSelectionChange();
        return true;
    }
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_SCR_PREVIEW: OnPreview(); return true;
    case IDC_SCR_CONFIGURE: OnConfigure(); return true;
    default: return false;
    }
}

bool CDlgScreenSaver::OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR&)
{
    // Ended here, not only in the destructor: the preview draws into this
    // window and must not outlive it.
    if (msg == WM_DESTROY) StopPreview();
    return false;
}
