#pragma once
// The tips file on disk: its path in the all-users application-data folder
// and the one-time seeding.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/settings_store.h"

// Binds the shell's folder and drop functions at run time; each may be missing.
class CShellApi {
public:
    CShellApi();
    ~CShellApi();
    CShellApi(const CShellApi&) = delete;
    CShellApi& operator=(const CShellApi&) = delete;

    using DragQueryFileAFn = UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT);
    using DragQueryFileWFn = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
    using SHGetSpecialFolderPathAFn = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
    using SHGetSpecialFolderPathWFn = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);

    DragQueryFileAFn m_DragQueryFileA = nullptr;
    DragQueryFileWFn m_DragQueryFileW = nullptr;
    SHGetSpecialFolderPathAFn m_SHGetSpecialFolderPathA = nullptr;
    SHGetSpecialFolderPathWFn m_SHGetSpecialFolderPathW = nullptr;

private:
    HMODULE m_shell32 = nullptr;
};

// "<all-users application data>\Umbrix.ini", or the program folder when the
// shell cannot say or the settings are kept in a file beside the program.
std::wstring GetTipsFilePath();

// Writes the tips file once per user ("Ini File Updated"). An existing file
// is kept as it is (it may hold edits), and still counts as seeded.
void SeedTipsFile(ISettingsStore& profile);
