// The search for DLLs named without a path, limited to the system directory
// as the programs do first thing (and this test program, in its main).
// planted_dll.dll is built beside this program; it marks each load with a
// file "planted_dll.dll.loaded" and refuses to load.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/dll_search.h"
#include "framework/win_text.h"
#include "win/common_controls_v6.h"

namespace {

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(DllSearch, ABareNameIsNotLookedForBesideTheProgram)
{
    ASSERT_TRUE(DllSearchRestricted());
    const std::wstring marker = GetProgramFolder() + L"\\planted_dll.dll.loaded";
    DeleteFileW(marker.c_str());
    EXPECT_EQ(LoadLibraryW(L"planted_dll.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_FALSE(Exists(marker));
    // It is there, and found where the program's folder is asked for.
    EXPECT_EQ(LoadLibraryExW(L"planted_dll.dll", nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR), nullptr);
    EXPECT_TRUE(Exists(marker));
    DeleteFileW(marker.c_str());
}

// comctl32 is delay-loaded by bare name through the manifest's activation
// context, after the search was limited.
TEST(DllSearch, CommonControlsStayVersion6)
{
    EXPECT_TRUE(ButtonsAreCommonControls6());
}

}  // namespace
