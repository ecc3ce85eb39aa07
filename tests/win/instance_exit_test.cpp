// The whole life of a running instance inside this test process: start-up as
// the first instance, then the instance exit, with the system requests
// recorded. Uses the program's real profile key, as a first start does.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/umbrix_app.h"
#include "framework/app.h"
#include "framework/registry_store.h"
#include "shell/main_frame.h"
#include "shell/messages.h"
#include "shell/umbrix_view.h"
#include "win/modal_script.h"
#include "win/recording_system.h"

namespace {

const wchar_t kProgramKey[] = L"Software\\Corvane\\Umbrix";

TEST(InstanceLife, TheRunningInstanceResetsTheDelayAndLiftsTheMonitorOffInputBlockAtExit)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
    CRegistrySettingsStore profile(HKEY_CURRENT_USER, kProgramKey);
    profile.WriteInt(L"Settings", L"AllowWakeUpWithMouse", 0);
    profile.WriteInt(L"Settings", L"EnableDurationUBX", 1);
    profile.WriteInt(L"Settings", L"Ini File Updated", 1);  // no tips file written by this test
    profile.WriteInt(L"Workspace", L"Help Videos Shown", 1);  // not a first start: no modal window

    CRecordingSystem system;
    CSystemOverride installed(system);
    CWinAppBase* const testApp = AfxGetApp();
    {
        // No arguments (this object's command line is empty): the monitor
        // goes off at once, with input blocked.
        CUmbrixApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_NE(FindWindowW(kFrameClassName, kFrameCaption), nullptr);
        EXPECT_EQ(profile.ReadInt(L"Settings", L"EnableDurationUBX", -1), 0);
        const std::vector<std::wstring> started = system.Requests();
        ASSERT_GE(started.size(), 2u);
        EXPECT_EQ(started.back().rfind(L"SendMessageW", 0), 0u) << "the display went off";
        EXPECT_EQ(started[started.size() - 2], L"BlockInput 1");

        system.ClearRequests();
        app.ExitInstance();
        EXPECT_EQ(system.Requests(), std::vector<std::wstring>{L"BlockInput 0"});
        EXPECT_EQ(FindWindowW(kFrameClassName, kFrameCaption), nullptr);
    }
    EXPECT_EQ(AfxGetApp(), testApp) << "the test's application object is current again";
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
}

// An installer closes the program the way the Restart Manager does: the
// exit procedure runs without its hot-key question and the process ends by
// itself (the quit is posted), with nothing left behind.
TEST(InstanceLife, AnInstallerClosingTheProgramEndsItWithItsExitProcedure)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
    CRegistrySettingsStore profile(HKEY_CURRENT_USER, kProgramKey);
    profile.WriteInt(L"Settings", L"Ini File Updated", 1);
    profile.WriteInt(L"Workspace", L"Help Videos Shown", 1);
    profile.WriteInt(L"Settings", L"Key", VK_F9);
    profile.WriteInt(L"Settings", L"Mod", MOD_CONTROL | MOD_ALT);

    CRecordingSystem system;
    CSystemOverride installed(system);
    CUmbrixApp app;
    ASSERT_TRUE(app.InitInstance());
    HWND frame = FindWindowW(kFrameClassName, kFrameCaption);
    ASSERT_NE(frame, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V3_SIZE;
    icon.hWnd = app.Frame()->View()->GetSafeHwnd();
    icon.uID = kTrayIconId;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the tray icon is there";
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_F9)) << "the hot key is taken";

    system.ClearRequests();
    LRESULT agreed = FALSE;
    EXPECT_FALSE(DialogShowedDuring(L"Umbrix", [&] {
        agreed = SendMessageW(frame, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP);
        SendMessageW(frame, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    }));
    EXPECT_EQ(agreed, TRUE);
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the tray icon is gone";
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop ends";

    app.ExitInstance();
    EXPECT_EQ(system.Requests(), (std::vector<std::wstring>{L"SetThreadExecutionState 2147483648", L"BlockInput 0"}));
    EXPECT_TRUE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_F9)) << "the hot key is free";
    UnregisterHotKey(nullptr, 77);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
}

}  // namespace
