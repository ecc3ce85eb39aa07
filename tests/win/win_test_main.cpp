// Entry point of the Win32 tests: an application object whose profile is a
// throw-away registry key, so tests can exercise real dialogs and the store.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "framework/dll_search.h"
#include "framework/registry_store.h"
#include "win/test_app.h"

namespace {
class CTestApp final : public CWinAppBase {
public:
    CTestApp() : CWinAppBase(L"Umbrix") {}
    bool InitInstance() override { return true; }
    bool PreTranslateMessage(MSG& msg) override
    {
        if (g_preTranslateHook && g_preTranslateHook(msg)) return true;
        return CWinAppBase::PreTranslateMessage(msg);
    }
};
}  // namespace

const wchar_t* const kTestProfileKey = L"Software\\Corvane\\UmbrixTests";
std::function<bool(MSG&)> g_preTranslateHook;

void ResetTestProfile()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestProfileKey);
    AfxGetApp()->SetProfileStore(std::make_unique<CRegistrySettingsStore>(HKEY_CURRENT_USER, kTestProfileKey));
}

int main(int argc, char** argv)
{
    // As the programs start: the libraries below load under the same search.
    RestrictDllSearchToSystem();
    INITCOMMONCONTROLSEX icc{sizeof(icc), 0xFF};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    CTestApp app;
    ResetTestProfile();
    // Umbrix.exe started by the tests belongs to a user who has started it
    // before: a very first start would show the help videos and wait.
    CRegistrySettingsStore(HKEY_CURRENT_USER, L"Software\\Corvane\\Umbrix")
        .WriteInt(L"Workspace", L"Help Videos Shown", 1);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestProfileKey);
    OleUninitialize();
    return result;
}
