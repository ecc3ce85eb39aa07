// The miscellaneous system actions, the volume actions and the launcher
// commands through the frame's routing, with a recording system; and the
// real proxy and volume requests inside the test's own Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "actions/system_ops.h"
#include "actions/system_requests.h"
#include "actions/volume_changer_win.h"
#include "framework/app.h"
#include "framework/registry_store.h"
#include "framework/win_text.h"
#include "resources/resource.h"
#include "shell/main_frame.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

using Lines = std::vector<std::wstring>;
const wchar_t kConfirmCaption[] = L"Umbrix - Confirmation Dialog";

bool UnderWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class SystemActions : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
        ASSERT_TRUE(m_frame.Create());
        AfxGetApp()->m_pMainWnd = &m_frame;
        m_system.ClearRequests();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    void Command(UINT id) { SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, id, 0); }

    // Runs `action` while a script answers each box or dialog in `captions`
    // in turn with `button`; returns the texts they showed.
    std::vector<std::wstring> Answer(const std::vector<std::wstring>& captions, int button,
                                     const std::function<void()>& action)
    {
        std::vector<std::wstring> texts;
        HWND answered = nullptr;
        CModalScript script;
        for (size_t i = 0; i < captions.size(); ++i) {
            const std::wstring caption = captions[i];
            script.Then([&texts, &answered, caption, button] {
                HWND box = FindThreadDialog(caption, answered);
                if (!box) return false;
                texts.push_back(GetDlgItem(box, 0xFFFF) ? MessageBoxText(box) : ControlText(box, IDC_CONFIRM_MESSAGE));
                answered = box;
                PostClick(box, button);
                return true;
            });
        }
        script.Start();
        action();
        EXPECT_TRUE(script.Finished());
        return texts;
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
    CMainFrame m_frame;
};

TEST_F(SystemActions, ProxyCommandWritesTheToggledFlagsAndReportsTheNewState)
{
    m_system.m_proxyFlags = 9;
    auto shown = Answer({L"Umbrix"}, IDOK, [&] { Command(ID_TOGGLE_PROXY); });
    EXPECT_EQ(shown, Lines{L"Internet Explorer is using Proxy Now."});
    EXPECT_EQ(m_system.Requests(), (Lines{L"InternetSetOptionW 75 11", L"InternetSetOptionW 39", L"InternetSetOptionW 37"}));

    m_system.ClearRequests();
    shown = Answer({L"Umbrix"}, IDOK, [&] { Command(ID_TOGGLE_PROXY); });
    EXPECT_EQ(shown, Lines{L"Internet Explorer is not using Proxy Now."});
    EXPECT_EQ(m_system.Requests().front(), L"InternetSetOptionW 75 9");
}

TEST_F(SystemActions, FrameCommandsAskAfterAConfirmedDispatchOnly)
{
    // Any dispatch with 1000 added leaves m_confirmFirst set, cancelled or not.
    Answer({kConfirmCaption}, IDCANCEL, [&] { m_frame.RunAction(1012); });
    m_system.ClearRequests();
    EXPECT_EQ(Answer({kConfirmCaption}, IDCANCEL, [&] { Command(ID_TOGGLE_PROXY); }),
              Lines{L"Action Toggle Use Proxy would be performed after 15 seconds."});
    EXPECT_EQ(Answer({kConfirmCaption}, IDCANCEL, [&] { Command(ID_HANGUP_MODEM); }),
              Lines{L"Action Hang Up Modem would be performed after 15 seconds."});
    EXPECT_EQ(Answer({kConfirmCaption}, IDCANCEL, [&] { Command(ID_CLOSE_IE_WINDOWS); }),
              Lines{L"Action Close All IE Windows would be performed after 15 seconds."});
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(SystemActions, HangUpEndsOnlyTheFirstConnectionAndWaitsForIt)
{
    m_frame.RunAction(12);
    m_system.ClearRequests();
    Command(ID_HANGUP_MODEM);  // none active
    EXPECT_TRUE(m_system.Requests().empty());

    m_system.m_dialUpConnections = {11, 22};
    m_system.m_statusChecksUntilGone = 3;
    Command(ID_HANGUP_MODEM);
    EXPECT_EQ(m_system.Requests(), Lines{L"RasHangUpW 11"});
    EXPECT_EQ(m_system.StatusChecks(), 1 + 3 + 1);  // before, while known, gone
}

TEST_F(SystemActions, HangUpWaitPutsBackAQuitAndStopsWaiting)
{
    m_system.m_dialUpConnections = {7};
    m_system.m_statusChecksUntilGone = 1000000;  // never goes
    PostQuitMessage(3);
    const DWORD start = GetTickCount();
    HangUpModem(m_frame.GetSafeHwnd(), false);
    EXPECT_LT(GetTickCount() - start, 2000u);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeWindow(const wchar_t* className, HWND owner)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, owner, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

std::wstring CloseLine(HWND hwnd)
{
    return L"PostMessageW " + std::to_wstring(reinterpret_cast<INT_PTR>(hwnd)) + L" 16 0 0";
}

TEST_F(SystemActions, OnlyFreeStandingBrowserFramesOfAnyLetterCaseAreClosed)
{
    // Class names compare without regard to case, so one class spelled
    // differently from "IEFrame" serves for the whole browser.
    HWND first = MakeWindow(L"ieFRAME", nullptr);
    HWND second = MakeWindow(L"ieFRAME", nullptr);
    HWND owned = MakeWindow(L"ieFRAME", first);
    HWND other = MakeWindow(L"IEFrameX", nullptr);
    m_frame.RunAction(7);
    const Lines requests = m_system.Requests();
    Lines expected{CloseLine(first), CloseLine(second)};
    Lines sorted = requests;
    std::sort(sorted.begin(), sorted.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);
    for (HWND w : {owned, other, second, first}) DestroyWindow(w);
}

TEST_F(SystemActions, DriveDoorAndClassicSchemeAreRequestedByName)
{
    m_frame.RunAction(8);
    m_frame.RunAction(16);
    EXPECT_EQ(m_system.Requests(),
              (Lines{L"mciSendStringW \"Set CDAudio Door Open Wait\"", L"DeskSetCurrentScheme \"Windows Classic\""}));

    m_system.ClearRequests();
    EXPECT_EQ(Answer({kConfirmCaption}, IDCANCEL, [&] { m_frame.RunAction(1016); }),
              Lines{L"Action Windows Classic Theme would be performed after 15 seconds."});
    EXPECT_EQ(Answer({kConfirmCaption}, IDCANCEL, [&] { m_frame.RunAction(1008); }),
              Lines{L"Action Eject Optical Drive would be performed after 15 seconds."});
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(SystemActions, VolumeActionsMuteToggleAndStep)
{
    m_frame.RunAction(19);
    EXPECT_TRUE(m_system.m_muted);
    m_frame.RunAction(18);
    EXPECT_FALSE(m_system.m_muted);
    m_frame.RunAction(20);
    m_frame.RunAction(21);
    EXPECT_EQ(m_system.Requests(), (Lines{L"SetMute 1", L"SetMute 0", L"VolumeStepUp", L"VolumeStepDown"}));

    m_system.ClearRequests();
    EXPECT_EQ(Answer({kConfirmCaption}, IDCANCEL, [&] { m_frame.RunAction(1018); }),
              Lines{L"Action Toggle Mute Volume would be performed after 15 seconds."});
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(SystemActions, LauncherCommandsStartTheirPrograms)
{
    const std::wstring sys = GetSystemDirectoryString();
    const std::wstring folder = GetProgramFolder();
    const struct {
        UINT command;
        std::wstring line;
    } cases[] = {
        {32805, L"\"Open\" \"" + sys + L"\\control.exe\" \" desk.cpl,Themes,@Themes\""},
        {32806, L"\"Open\" \"" + sys + L"\\control.exe\" \" desk.cpl,screensaver,@screensaver\""},
        {32807, L"\"Open\" \"" + sys + L"\\control.exe\" \" /name Microsoft.Personalization /page pageWallpaper\""},
        {32808, L"\"Open\" \"" + sys + L"\\control.exe\" \" /name Microsoft.Personalization /page pageColorization\""},
        {32809, L"\"Open\" \"" + sys + L"\\DpiScaling.exe\" \"\""},
        {32810, L"\"Open\" \"" + sys + L"\\control.exe\" \"/name Microsoft.ProgramsAndFeatures\""},
        {32811, L"\"Open\" \"" + sys + L"\\control.exe\" \"/name Microsoft.PowerOptions /page pagePlanSettings\""},
        {32773, L"\"Open\" \"" + sys + L"\\Control.exe\" \"appwiz.cpl\""},
        {32774, L"\"Open\" \"" + sys + L"\\Control.exe\" \"desk.cpl\""},
        {32775, L"\"Open\" \"" + sys + L"\\Control.exe\" \"powercfg.cpl\""},
        {32776, L"\"Open\" \"" + sys + L"\\Control.exe\" \"sysdm.cpl\""},
        {32777, L"\"Open\" \"" + sys + L"\\Control.exe\" \"mmsys.cpl sounds\""},
        {32778, L"\"Open\" \"" + sys + L"\\Control.exe\" \"inetcpl.cpl\""},
        {32780, L"\"open\" \"" + folder + L"\\Vandric.exe\" \"\""},
        {32781, L"\"open\" \"" + folder + L"\\Pimbrook.exe\" \"\""},
        {32798, L"\"runas\" \"" + folder + L"\\Brandle.exe\" \"\""},
        {32799, L"\"open\" \"" + folder + L"\\Tarnwick.exe\" \":LaunchedFromUBX\""},
        {32838, L"\"runas\" \"" + folder + L"\\Dorvell.exe\" \"\""},
        {32832, L"\"runas\" \"" + folder + L"\\Quorvel.exe\" \"\""},
        {32816, L"\"Open\" \"https://www.corvane.example/umbrix/\" \"\""},
    };
    for (const auto& c : cases) {
        m_system.ClearRequests();
        Command(c.command);
        EXPECT_EQ(m_system.Requests(), Lines{L"ShellExecuteW " + c.line}) << c.command;
    }
}

TEST_F(SystemActions, WebPagesOfTheFrameOpenMaximised)
{
    for (UINT command : {32834u, 32844u, 32845u, 32820u}) Command(command);
    const auto executed = m_system.Executed();
    ASSERT_EQ(executed.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(executed[i].show, SW_SHOWMAXIMIZED) << i;
    EXPECT_EQ(executed[3].show, SW_SHOW);
    EXPECT_EQ(executed[3].file, L"https://notify.corvane.example/subscribe?product=umbrix");
}

TEST_F(SystemActions, ServiceNoticeComesOnceBeforeTheConfigurator)
{
    const std::wstring start = L"ShellExecuteW \"open\" \"" + GetProgramFolder() + L"\\Quorvel.exe\" \"\"";
    const auto shown = Answer({L"Umbrix"}, IDOK, [&] { Command(ID_LAUNCH_QUORVEL); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind(L"This is a One Time Message Box.", 0), 0u);
    EXPECT_EQ(AfxProfile().ReadInt(kSettingsSection, L"ServiceMessageDisplayed", 0), 1);
    EXPECT_EQ(m_system.Requests(), Lines{start});

    m_system.ClearRequests();
    Command(ID_LAUNCH_QUORVEL);  // no box this time: a box would hang here
    EXPECT_EQ(m_system.Requests(), Lines{start});
}

TEST_F(SystemActions, ErrorBoxAddsTheSystemTextOfTheLastError)
{
    const auto shown = Answer({L"Umbrix", L"Umbrix"}, IDOK, [&] {
        SetLastError(ERROR_ACCESS_DENIED);
        EXPECT_EQ(ShowErrorBox(L"Could not do it", m_frame.GetSafeHwnd(), MB_ICONERROR, true), IDOK);
        SetLastError(ERROR_ACCESS_DENIED);
        ShowErrorBox(L"Plain", m_frame.GetSafeHwnd(), MB_ICONINFORMATION, false);
    });
    ASSERT_EQ(shown.size(), 2u);
    wchar_t* described = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_ACCESS_DENIED, 0, reinterpret_cast<LPWSTR>(&described), 0, nullptr);
    ASSERT_NE(described, nullptr);
    std::wstring expected = std::wstring(L"Could not do it\n") + described;
    LocalFree(described);
    // The static control shows the text as it was given, line ends included.
    while (!expected.empty() && (expected.back() == L'\n' || expected.back() == L'\r')) expected.pop_back();
    std::wstring first = shown[0];
    while (!first.empty() && (first.back() == L'\n' || first.back() == L'\r')) first.pop_back();
    EXPECT_EQ(first, expected);
    EXPECT_EQ(shown[1], L"Plain");
}

// The real requests, inside the Wine prefix of the tests only: never against
// the proxy settings of a real user.
TEST(RealSystem, ProxyFlagsRoundTripWithTheRecordSizesOfThisBuild)
{
    if (!UnderWine()) GTEST_SKIP() << "changes the user's proxy settings";
    CSystemRequests real(L"");
    DWORD before = 0;
    ASSERT_TRUE(real.QueryProxyFlags(before));
    const DWORD toggled = before ^ 2u;
    ASSERT_TRUE(real.SetProxyFlags(toggled));
    DWORD after = 0;
    ASSERT_TRUE(real.QueryProxyFlags(after));
    EXPECT_EQ((after & 2u) != 0, (toggled & 2u) != 0);
    EXPECT_TRUE(real.SetProxyFlags(before));
}

// Wine 8 keeps the mute state per interface object and has no volume steps,
// so only the requests' codes can be checked here, not a state read back.
TEST(RealSystem, EndpointRequestsReachCoreAudio)
{
    if (!UnderWine()) GTEST_SKIP() << "changes the machine's volume";
    CVolumeChangerVista volume;
    bool muted = true;
    const HRESULT hr = volume.GetMuteState(muted);
    ASSERT_TRUE(SUCCEEDED(hr)) << std::hex << hr << " (needs the null ALSA device of scripts/wine-env.sh)";
    EXPECT_FALSE(muted);
    EXPECT_TRUE(SUCCEEDED(volume.SetMuteState(true)));
    EXPECT_TRUE(SUCCEEDED(volume.SetMuteState(false)));
    // Whatever the steps answer comes back unchanged, success or not.
    const HRESULT up = volume.StepVolumeUp();
    EXPECT_TRUE(SUCCEEDED(up) || up == E_NOTIMPL) << std::hex << up;
}

// Wine 8 looks up file types only in HKEY_CLASSES_ROOT (its machine branch,
// inside the test prefix); Windows also takes the user's own.
HKEY ClassesRoot() { return UnderWine() ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER; }

void SetClassesDefaultValue(const std::wstring& path, const std::wstring& value)
{
    CRegKey key;
    ASSERT_EQ(key.Create(ClassesRoot(), path, KEY_WRITE), ERROR_SUCCESS) << path;
    RegSetValueExW(key.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The value `name` of the test profile once a started reg.exe has written it.
std::wstring WrittenValue(const wchar_t* name)
{
    std::wstring value;
    for (int i = 0; i < 200 && value.empty(); ++i) {
        Sleep(50);
        value = AfxProfile().ReadString(L"Shell", name, L"");
    }
    return value;
}

// Harmless real starts: reg.exe writes into the test profile what reached it
// (started without its parameters it only shows its usage and ends). A
// program takes the parameters; a document type of this test's own, with a
// verb whose command differs from "open", shows that the verb arrives.
TEST(RealSystem, ShellExecuteStartsWithItsVerbAndParameters)
{
    ResetTestProfile();
    const std::wstring reg = GetSystemDirectoryString() + L"\\reg.exe";
    const std::wstring add = L"add \"HKCU\\" + std::wstring(kTestProfileKey) + L"\\Shell\" /f /v ";
    CSystemRequests real(L"");
    ASSERT_FALSE(real.Journaling());
    EXPECT_GT(real.ShellExecuteFile(L"open", reg, add + L"Started /d \"with parameters\"", SW_HIDE), 32);
    EXPECT_EQ(WrittenValue(L"Started"), L"with parameters");

    const std::wstring classes = UnderWine() ? L"" : L"Software\\Classes\\";
    const std::wstring shell = classes + L"UmbrixTestDocument\\shell\\";
    SetClassesDefaultValue(classes + L".umbrixtest", L"UmbrixTestDocument");
    SetClassesDefaultValue(shell + L"probe\\command", L"\"" + reg + L"\" " + add + L"Verb /d probe");
    SetClassesDefaultValue(shell + L"open\\command", L"\"" + reg + L"\" " + add + L"Verb /d open");
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring document = std::wstring(folder) + L"umbrix.umbrixtest";
    CloseHandle(CreateFileW(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_GT(real.ShellExecuteFile(L"probe", document, L"", SW_HIDE), 32);
    EXPECT_EQ(WrittenValue(L"Verb"), L"probe");
    DeleteFileW(document.c_str());
    RegDeleteTreeW(ClassesRoot(), (classes + L"UmbrixTestDocument").c_str());
    RegDeleteTreeW(ClassesRoot(), (classes + L".umbrixtest").c_str());
}

}  // namespace
