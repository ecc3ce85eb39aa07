#include "app/tips_file_win.h"

#include <shlobj.h>

#include "app/tips_file.h"
#include "framework/app.h"
#include "framework/system_library.h"
#include "framework/win_text.h"
#include "resources/resource.h"

CShellApi::CShellApi() : m_shell32(LoadSystemLibrary(L"shell32.dll"))
{
    if (!m_shell32) return;
    m_DragQueryFileA = reinterpret_cast<DragQueryFileAFn>(GetProcAddress(m_shell32, "DragQueryFileA"));
    m_DragQueryFileW = reinterpret_cast<DragQueryFileWFn>(GetProcAddress(m_shell32, "DragQueryFileW"));
    m_SHGetSpecialFolderPathA =
        reinterpret_cast<SHGetSpecialFolderPathAFn>(GetProcAddress(m_shell32, "SHGetSpecialFolderPathA"));
    m_SHGetSpecialFolderPathW =
        reinterpret_cast<SHGetSpecialFolderPathWFn>(GetProcAddress(m_shell32, "SHGetSpecialFolderPathW"));
}

CShellApi::~CShellApi()
{
    if (m_shell32) FreeLibrary(m_shell32);
}

std::wstring GetTipsFilePath()
{
    std::wstring folder;
    // A portable copy keeps its tips beside itself too.
    if (AfxGetApp() && !AfxGetApp()->PortableSettingsFile().empty()) {
        folder = GetProgramFolder();
    } else {
        CShellApi shell;
        wchar_t buffer[MAX_PATH] = {};
        if (shell.m_SHGetSpecialFolderPathW &&
            shell.m_SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_COMMON_APPDATA, TRUE))
            folder = buffer;
    }
    if (folder.size() <= 1) folder = GetProgramFolder();
    std::wstring title = LoadResString(IDS_APP_TITLE);
    if (title.empty()) title = L"Umbrix";
    return TipsFilePath(folder, title);
}

void SeedTipsFile(ISettingsStore& profile)
{
    if (profile.ReadInt(kSettingsSection, L"Ini File Updated", 0) != 0) return;
    const std::wstring path = GetTipsFilePath();
    // The file lies in a folder shared by every user while the flag is per
    // user: never replace a file another user may have seeded and edited.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_EXISTS) profile.WriteInt(kSettingsSection, L"Ini File Updated", 1);
        return;
    }
    const std::string content = TipsFileContent(WideToAnsi(path));
    DWORD written = 0;
    const bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                    written == content.size();
    CloseHandle(file);
    if (!ok) {
        // A half-written file would be kept forever by the rule above.
        DeleteFileW(path.c_str());
        return;
    }
    profile.WriteInt(kSettingsSection, L"Ini File Updated", 1);
}
