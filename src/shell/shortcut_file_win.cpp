#include "shell/shortcut_file_win.h"

#include <shlobj.h>

#include "actions/display_ops.h"
#include "actions/system_requests.h"
#include "framework/app.h"
#include "framework/com_ptr.h"
#include "framework/system_library.h"
#include "framework/win_text.h"
#include "shell/desktop_shortcut.h"
#include "shell/dlg_select_function.h"

namespace {

// The user's own desktop folder; empty when the system cannot name it.
std::wstring DesktopDirectory(HWND owner)
{
    using Fn = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
    CSystemLibrary shell32(L"shell32.dll");
    auto getPath = reinterpret_cast<Fn>(shell32.Find("SHGetSpecialFolderPathW"));
    wchar_t buffer[MAX_PATH] = {};
    if (!getPath || !getPath(owner, buffer, CSIDL_DESKTOPDIRECTORY, FALSE)) return {};
    return buffer;
}

std::wstring SystemText(HRESULT hr)
{
    // Codes that wrap a system error are described by that error.
    const DWORD code = HRESULT_FACILITY(hr) == FACILITY_WIN32 ? HRESULT_CODE(hr) : static_cast<DWORD>(hr);
    wchar_t* buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text;
    if (buffer) {
        text = buffer;
        LocalFree(buffer);
    }
    return text;
}

void RefreshDesktop()
{
    PIDLIST_ABSOLUTE desktop = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop))) return;
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, desktop, nullptr);
    CoTaskMemFree(desktop);
}

}  // namespace

HRESULT CreateShortcutFile(const std::wstring& target, const std::wstring& linkPath, int argument,
                           const std::wstring& description)
{
    wchar_t absolute[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(target.c_str(), MAX_PATH, absolute, nullptr);
    if (length == 0) return E_FAIL;
    if (length >= MAX_PATH || linkPath.size() >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);

    CComPointer<IShellLinkW> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid());
    if (FAILED(hr)) return hr;
    CComPointer<IPersistFile> file;
    hr = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
    if (FAILED(hr)) return hr;
    hr = link->SetPath(absolute);
    if (SUCCEEDED(hr)) hr = link->SetDescription(description.c_str());
    if (SUCCEEDED(hr)) hr = link->SetArguments(std::to_wstring(argument).c_str());
    if (SUCCEEDED(hr)) hr = file->Save(linkPath.c_str(), TRUE);
    return hr;
}

void CreateDesktopShortcut(HWND view)
{
    const int versionClass = GetWindowsVersionClass();
    ShortcutChoice choice;
    {
        CDlgSelectFunction dialog(view, versionClass);
        if (dialog.DoModal() != IDOK || dialog.m_selected.empty()) return;
        choice.entryText = dialog.m_selected;
        choice.confirm = dialog.m_confirm;
        choice.rightClick = dialog.m_rightClick;
    }
    const std::optional<ShortcutPlan> plan =
        PlanDesktopShortcut(choice, GetProgramFolder(), DesktopDirectory(view), versionClass);
    if (!plan) return;

    if (plan->startHelper) System().ShellExecuteFile(L"runas", plan->helperPath, plan->helperParameters, SW_SHOW);

    HRESULT hr = S_OK;
    switch (plan->problem) {
    case ShortcutPlan::Problem::NoDesktop: hr = HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND); break;
    case ShortcutPlan::Problem::PathTooLong: hr = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE); break;
    case ShortcutPlan::Problem::None:
        hr = CreateShortcutFile(plan->target, plan->linkPath, plan->argument, plan->description);
        break;
    }

    HWND owner = AfxGetMainHwnd();
    if (SUCCEEDED(hr)) {
        RefreshDesktop();
        MessageBoxW(owner, L"Shortcut created on Desktop Successfully", AfxAppTitle(), MB_ICONINFORMATION);
        return;
    }
    MessageBoxW(owner, ShortcutFailureMessage(static_cast<unsigned>(hr), SystemText(hr)).c_str(), AfxAppTitle(),
                MB_ICONERROR);
}
