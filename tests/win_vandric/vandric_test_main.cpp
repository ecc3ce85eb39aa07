// Entry point of Vandric's Win32 tests: an application object named
// "Vandric" (message-box captions) whose profile is a throw-away key.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "framework/dll_search.h"
#include "framework/registry_store.h"
#include "win_vandric/recording_requests.h"

namespace {
const wchar_t kProfileKey[] = L"Software\\Corvane\\VandricTests";

class CTestApp final : public CWinAppBase {
public:
    CTestApp() : CWinAppBase(L"Vandric") {}
    bool InitInstance() override { return true; }
};
}  // namespace

void ResetVandricTestProfile()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    AfxGetApp()->SetProfileStore(std::make_unique<CRegistrySettingsStore>(HKEY_CURRENT_USER, kProfileKey));
}

bool TakeQuitMessage()
{
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

int main(int argc, char** argv)
{
    // As the program starts: comctl32 loads under the same search.
    RestrictDllSearchToSystem();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CTestApp app;
    ResetVandricTestProfile();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    return result;
}
