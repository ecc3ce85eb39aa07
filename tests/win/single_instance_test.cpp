// A second start of the real Umbrix.exe hands its request to the running
// instance. The running instance is played by a window of this test with the
// frame's caption, which records what it receives.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/registry_store.h"
#include "framework/win_text.h"
#include "shell/messages.h"

namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool senderStillRunning;  // the second process had not ended while we handled it
};

std::vector<Received> g_received;
HANDLE g_child = nullptr;

LRESULT CALLBACK FakeFrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == UM_SHOW_SETTINGS || msg == UM_RUN_ACTION || msg == UM_MONITOR_OFF) {
        // Take a while, as a countdown would: the sender must wait for us.
        Sleep(300);
        const bool running = g_child && WaitForSingleObject(g_child, 0) == WAIT_TIMEOUT;
        g_received.push_back({msg, wParam, lParam, running});
        return msg == UM_MONITOR_OFF ? 1 : 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = FakeFrameProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FakeUmbrixFrame";
        RegisterClassW(&wc);
        m_frame = CreateWindowExW(0, wc.lpszClassName, kFrameCaption, WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                  nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_frame, nullptr);
        g_received.clear();
    }
    void TearDown() override { DestroyWindow(m_frame); }

    // Starts Umbrix.exe (beside this test program) with `args` and pumps our
    // messages until it ends. False when it did not end in time.
    static bool RunSecondStart(const std::wstring& args, const std::wstring& exeSpelling = L"")
    {
        const std::wstring exe = GetProgramFolder() + L"\\Umbrix.exe";
        std::wstring commandLine = L"\"" + (exeSpelling.empty() ? exe : exeSpelling) + L"\"";
        if (!args.empty()) commandLine += L" " + args;
        // Should the hand-over fail, the child would act as a first instance:
        // keep whatever it requests in a journal instead of on the machine.
        const std::wstring journal = GetProgramFolder() + L"\\single_instance_journal.txt";
        SetEnvironmentVariableW(L"UMBRIX_JOURNAL", journal.c_str());
        STARTUPINFOW si{sizeof(si)};
        PROCESS_INFORMATION pi{};
        const BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                            nullptr, &si, &pi);
        SetEnvironmentVariableW(L"UMBRIX_JOURNAL", nullptr);
        if (!started) return false;
        g_child = pi.hProcess;
        const DWORD deadline = GetTickCount() + 20000;
        bool ended = false;
        while (!ended && GetTickCount() < deadline) {
            const DWORD wait = MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 200, QS_ALLINPUT);
            if (wait == WAIT_OBJECT_0) ended = true;
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        if (!ended) TerminateProcess(pi.hProcess, 1);
        g_child = nullptr;
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return ended;
    }

    HWND m_frame = nullptr;
};

TEST_F(SingleInstanceTest, ActionNumberIsSentInBothParametersAndTheSenderWaits)
{
    ASSERT_TRUE(RunSecondStart(L"1009"));
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UM_RUN_ACTION);
    EXPECT_EQ(g_received[0].wParam, 1009u);
    EXPECT_EQ(g_received[0].lParam, 1009);
    EXPECT_TRUE(g_received[0].senderStillRunning);
}

TEST_F(SingleInstanceTest, NoArgumentsAskForMonitorOff)
{
    ASSERT_TRUE(RunSecondStart(L""));
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UM_MONITOR_OFF);
    EXPECT_EQ(g_received[0].wParam, 0u);
}

TEST_F(SingleInstanceTest, SettingsWinsOverSilentInASecondStart)
{
    ASSERT_TRUE(RunSecondStart(L":silent :settings"));
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UM_SHOW_SETTINGS);
}

TEST_F(SingleInstanceTest, SilentSendsNothing)
{
    ASSERT_TRUE(RunSecondStart(L":silent"));
    EXPECT_TRUE(g_received.empty());
}

TEST_F(SingleInstanceTest, SwitchesAreCaseSensitiveSoUpperCaseSilentIsTheNumberZero)
{
    ASSERT_TRUE(RunSecondStart(L":SILENT"));
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UM_RUN_ACTION);
    EXPECT_EQ(g_received[0].wParam, 0u);
}

TEST_F(SingleInstanceTest, NegativeAndHugeNumbersArriveSignedAndSaturated)
{
    ASSERT_TRUE(RunSecondStart(L"-3"));
    ASSERT_TRUE(RunSecondStart(L"99999999999999999999"));
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(static_cast<int>(g_received[0].wParam), -3);
    EXPECT_EQ(static_cast<int>(g_received[0].lParam), -3);
    EXPECT_EQ(static_cast<int>(g_received[1].wParam), 2147483647);
}

TEST_F(SingleInstanceTest, ProgramPathSpelledDifferentlyStaysInTheArgumentTextAndGivesZero)
{
    // The module path is removed only where it matches exactly; a path typed
    // in another letter case stays and the number reads as 0.
    std::wstring upper = GetProgramFolder() + L"\\UMBRIX.EXE";
    ASSERT_TRUE(RunSecondStart(L"9", upper));
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UM_RUN_ACTION);
    EXPECT_EQ(g_received[0].wParam, 0u);
}

TEST_F(SingleInstanceTest, EverySecondStartResetsTheOneTimeDelay)
{
    CRegistrySettingsStore profile(HKEY_CURRENT_USER, L"Software\\Corvane\\Umbrix");
    ASSERT_TRUE(profile.WriteInt(L"Settings", L"EnableDurationUBX", 1));
    ASSERT_TRUE(RunSecondStart(L":silent"));
    EXPECT_EQ(profile.ReadInt(L"Settings", L"EnableDurationUBX", -5), 0);
}

}  // namespace
