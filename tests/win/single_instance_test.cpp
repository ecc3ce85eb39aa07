// A second start of the real Umbrix.exe hands its request to the running
// instance. The running instance is played by a window of this test with the
// frame's class and caption, which records what it receives.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/start_mutex_win.h"
#include "framework/registry_store.h"
#include "framework/win_text.h"
#include "modal_script.h"
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
// The file names of the modules the sender had loaded when its last request arrived.
std::vector<std::wstring> g_senderModules;

std::vector<std::wstring> ModulesOf(DWORD processId)
{
    std::vector<std::wstring> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return names;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry))
        names.push_back(CharLowerW(entry.szModule));
    CloseHandle(snapshot);
    return names;
}

LRESULT CALLBACK FakeFrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == UM_SHOW_SETTINGS || msg == UM_RUN_ACTION || msg == UM_MONITOR_OFF) {
        // Take a while, as a countdown would: the sender must wait for us.
        Sleep(300);
        const bool running = g_child && WaitForSingleObject(g_child, 0) == WAIT_TIMEOUT;
        if (running) g_senderModules = ModulesOf(GetProcessId(g_child));
        g_received.push_back({msg, wParam, lParam, running});
        return msg == UM_MONITOR_OFF ? 1 : 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_frame = CreateFakeWindow(kFrameClassName);
        ASSERT_NE(m_frame, nullptr);
        g_received.clear();
    }
    void TearDown() override
    {
        if (m_frame) DestroyWindow(m_frame);
        UnregisterClassW(kFrameClassName, GetModuleHandleW(nullptr));
    }

    // A top-level window captioned like the frame, of window class `className`,
    // that records the private messages it receives.
    static HWND CreateFakeWindow(const wchar_t* className)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = FakeFrameProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        RegisterClassW(&wc);
        return CreateWindowExW(0, className, kFrameCaption, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }

    // Starts Umbrix.exe with `args` (journalling, in case it acts as a first
    // instance) without waiting for it.
    static PROCESS_INFORMATION StartUmbrix(const std::wstring& args, const std::wstring& exeSpelling = L"")
    {
        const std::wstring exe = GetProgramFolder() + L"\\Umbrix.exe";
        std::wstring commandLine = exeSpelling.empty() ? L"\"" + exe + L"\"" : exeSpelling;
        if (!args.empty()) commandLine += L" " + args;
        const std::wstring journal = GetProgramFolder() + L"\\single_instance_journal.txt";
        SetEnvironmentVariableW(L"UMBRIX_JOURNAL", journal.c_str());
        STARTUPINFOW si{sizeof(si)};
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            pi = PROCESS_INFORMATION{};
        SetEnvironmentVariableW(L"UMBRIX_JOURNAL", nullptr);
        return pi;
    }

    // Pumps this thread's messages until `process` ends or `limitMs` pass.
    static bool PumpUntilEnded(HANDLE process, DWORD limitMs)
    {
        const DWORD deadline = GetTickCount() + limitMs;
        bool ended = false;
        while (!ended && GetTickCount() < deadline) {
            const DWORD wait = MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT);
            if (wait == WAIT_OBJECT_0) ended = true;
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        return ended;
    }

    static void EndProcess(PROCESS_INFORMATION& pi)
    {
        if (!pi.hProcess) return;
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        pi = PROCESS_INFORMATION{};
    }

    // The real frames (class and caption) that exist now.
    static int CountRealFrames()
    {
        int count = 0;
        for (HWND w = FindWindowExW(nullptr, nullptr, kFrameClassName, kFrameCaption); w;
             w = FindWindowExW(nullptr, w, kFrameClassName, kFrameCaption))
            ++count;
        return count;
    }

    // Starts Umbrix.exe (beside this test program) with `args` and pumps our
    // messages until it ends. `exeSpelling` is how the command line names the
    // program (default: its full path, quoted). False when it did not end in
    // time. Should the hand-over fail, the child acts as a first instance:
    // whatever it requests goes into a journal instead of onto the machine.
    static bool RunSecondStart(const std::wstring& args, const std::wstring& exeSpelling = L"",
                               DWORD pauseBeforeMs = 0, DWORD busyAfterMs = 0)
    {
        // Not taking messages, as an instance busy speaking a long text.
        if (pauseBeforeMs) Sleep(pauseBeforeMs);
        PROCESS_INFORMATION pi = StartUmbrix(args, exeSpelling);
        if (!pi.hProcess) return false;
        if (busyAfterMs) Sleep(busyAfterMs);
        g_child = pi.hProcess;
        const bool ended = PumpUntilEnded(pi.hProcess, 20000);
        g_child = nullptr;
        if (ended) {
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        } else {
            EndProcess(pi);
        }
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

TEST_F(SingleInstanceTest, HowTheProgramIsNamedDoesNotChangeTheRequest)
{
    // A path in another letter case, a relative path and a plain name typed
    // in a console all hand over what the same start through the full path does.
    ASSERT_TRUE(RunSecondStart(L"9", L"\"" + GetProgramFolder() + L"\\UMBRIX.EXE\""));
    ASSERT_TRUE(RunSecondStart(L"9", L".\\Umbrix.exe"));
    ASSERT_TRUE(RunSecondStart(L"", L"Umbrix"));
    ASSERT_EQ(g_received.size(), 3u);
    EXPECT_EQ(g_received[0].message, UM_RUN_ACTION);
    EXPECT_EQ(g_received[0].wParam, 9u);
    EXPECT_EQ(g_received[1].message, UM_RUN_ACTION);
    EXPECT_EQ(g_received[1].wParam, 9u);
    EXPECT_EQ(g_received[2].message, UM_MONITOR_OFF);
}

TEST_F(SingleInstanceTest, ASecondStartLeavesTheOneTimeDelayOfTheRunningInstanceAlone)
{
    CRegistrySettingsStore profile(HKEY_CURRENT_USER, L"Software\\Corvane\\Umbrix");
    ASSERT_TRUE(profile.WriteInt(L"Settings", L"EnableDurationUBX", 1));
    ASSERT_TRUE(RunSecondStart(L":silent"));
    EXPECT_EQ(profile.ReadInt(L"Settings", L"EnableDurationUBX", -5), 1);
    profile.WriteInt(L"Settings", L"EnableDurationUBX", 0);
}

TEST_F(SingleInstanceTest, ABusyInstanceGetsTheRequestOnceItTakesMessagesAgain)
{
    // Six seconds without taking a message before the request arrives, and
    // two more after: longer than the system's five-second "hung" mark.
    ASSERT_TRUE(RunSecondStart(L"12", L"", 6000, 2000));
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, UM_RUN_ACTION);
    EXPECT_EQ(g_received[0].wParam, 12u);
}

// Any program may create and hold the instance's machine-wide name; another
// start of this user and session holds the start mutex while it is starting.
// A thread that ends while holding a mutex abandons it.
const wchar_t kInstanceMutex[] = L"Global\\U B X S v c";

struct CHolder {
    HANDLE holds;
    HANDLE finish;
    std::wstring name;
};

DWORD WINAPI HoldUntilFinished(void* parameter)
{
    const auto* holder = static_cast<CHolder*>(parameter);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, holder->name.c_str());
    WaitForSingleObject(mutex, INFINITE);
    SetEvent(holder->holds);
    WaitForSingleObject(holder->finish, INFINITE);
    CloseHandle(mutex);  // not released
    return 0;
}

// The visible message box of `processId` captioned "Umbrix", or null.
HWND FindMessageBoxOf(DWORD processId)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", L"Umbrix"); w;
         w = FindWindowExW(nullptr, w, L"#32770", L"Umbrix")) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

TEST_F(SingleInstanceTest, AProgramHoldingTheInstanceNameDoesNotDelayAStart)
{
    DestroyWindow(m_frame);
    m_frame = nullptr;
    CHolder squatter{CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr),
                     kInstanceMutex};
    HANDLE thread = CreateThread(nullptr, 0, HoldUntilFinished, &squatter, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(squatter.holds, 5000), WAIT_OBJECT_0);
    PROCESS_INFORMATION start = StartUmbrix(L":silent");
    EXPECT_NE(start.hProcess, nullptr);
    const DWORD deadline = GetTickCount() + 20000;
    while (start.hProcess && CountRealFrames() == 0 && GetTickCount() < deadline)
        PumpUntilEnded(start.hProcess, 100);
    EXPECT_EQ(CountRealFrames(), 1) << "becomes the instance";
    EndProcess(start);
    SetEvent(squatter.finish);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(squatter.holds);
    CloseHandle(squatter.finish);
}

TEST_F(SingleInstanceTest, AStartWaitsForAStartingInstanceOfItsUserAndSessionAtMostTheLimit)
{
    DestroyWindow(m_frame);
    m_frame = nullptr;
    HANDLE startMutex = CreateMutexW(nullptr, TRUE, StartMutexName().c_str());
    ASSERT_NE(startMutex, nullptr);

    // Its frame appears within the limit: the request goes to it.
    PROCESS_INFORMATION second = StartUmbrix(L":settings");
    ASSERT_NE(second.hProcess, nullptr);
    EXPECT_FALSE(PumpUntilEnded(second.hProcess, 1500));
    EXPECT_EQ(CountRealFrames(), 0) << "no second instance";
    m_frame = CreateFakeWindow(kFrameClassName);
    EXPECT_TRUE(PumpUntilEnded(second.hProcess, 20000));
    EndProcess(second);
    std::vector<UINT> messages;
    for (const Received& r : g_received) messages.push_back(r.message);
    EXPECT_EQ(messages, std::vector<UINT>{UM_SHOW_SETTINGS});
    DestroyWindow(m_frame);
    m_frame = nullptr;

    // None within the limit: the start says so and ends; a frame that
    // appears meanwhile never gets the dropped request.
    g_received.clear();
    SetEnvironmentVariableW(L"UMBRIX_START_WAIT_MS", L"1000");
    second = StartUmbrix(L"12");
    SetEnvironmentVariableW(L"UMBRIX_START_WAIT_MS", nullptr);
    ASSERT_NE(second.hProcess, nullptr);
    HWND box = nullptr;
    for (DWORD deadline = GetTickCount() + 20000; !box && GetTickCount() < deadline;)
        if (!PumpUntilEnded(second.hProcess, 100)) box = FindMessageBoxOf(second.dwProcessId);
    ASSERT_NE(box, nullptr) << "the start gave up with a message";
    EXPECT_NE(MessageBoxText(box).find(L"has not responded for 30 seconds"), std::wstring::npos);
    m_frame = CreateFakeWindow(kFrameClassName);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(PumpUntilEnded(second.hProcess, 20000));
    EndProcess(second);
    EXPECT_TRUE(g_received.empty());
    DestroyWindow(m_frame);
    m_frame = nullptr;

    // It ends without a frame, releasing the start mutex or abandoning it:
    // the waiting start becomes the instance.
    for (const bool abandon : {false, true}) {
        CHolder holder{CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr),
                       StartMutexName()};
        HANDLE thread = abandon ? CreateThread(nullptr, 0, HoldUntilFinished, &holder, 0, nullptr) : nullptr;
        if (abandon) WaitForSingleObject(holder.holds, 5000);
        second = StartUmbrix(L":silent");
        EXPECT_FALSE(PumpUntilEnded(second.hProcess, 1500));
        if (abandon) {
            SetEvent(holder.finish);
            WaitForSingleObject(thread, 5000);
            CloseHandle(thread);
        } else {
            ReleaseMutex(startMutex);
            CloseHandle(startMutex);
        }
        const DWORD deadline = GetTickCount() + 20000;
        while (CountRealFrames() == 0 && GetTickCount() < deadline) PumpUntilEnded(second.hProcess, 100);
        EXPECT_EQ(CountRealFrames(), 1) << "becomes the instance, abandoned: " << abandon;
        EndProcess(second);
        CloseHandle(holder.holds);
        CloseHandle(holder.finish);
    }
}

TEST_F(SingleInstanceTest, AStartFindingTheOthersHelpVideosBringsThemToTheFrontAndEnds)
{
    DestroyWindow(m_frame);
    m_frame = nullptr;
    HANDLE startMutex = CreateMutexW(nullptr, TRUE, StartMutexName().c_str());
    HWND help = CreateWindowExW(0, L"#32770", kHelpVideosCaption, WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND other = CreateWindowExW(0, L"#32770", L"Something else", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(help && other && startMutex);
    SetForegroundWindow(other);
    PROCESS_INFORMATION second = StartUmbrix(L"9");
    ASSERT_NE(second.hProcess, nullptr);
    EXPECT_TRUE(PumpUntilEnded(second.hProcess, 20000)) << "ends at once, however long the window stays open";
    EndProcess(second);
    EXPECT_EQ(GetForegroundWindow(), help);
    EXPECT_EQ(CountRealFrames(), 0);
    DestroyWindow(help);
    DestroyWindow(other);
    ReleaseMutex(startMutex);
    CloseHandle(startMutex);
}

// The instance is found by the frame's class and caption together, and the
// start mutex makes a start wait for an instance that is starting.
TEST_F(SingleInstanceTest, OnlyTheRealFrameIsTheInstanceAndTwoStartsAtOnceMakeOne)
{
    // Only a foreign window carries the caption: the start becomes the instance.
    DestroyWindow(m_frame);
    m_frame = nullptr;
    UnregisterClassW(kFrameClassName, GetModuleHandleW(nullptr));
    HWND foreign = CreateFakeWindow(L"SomeOtherProgramsWindow");
    ASSERT_NE(foreign, nullptr);

    PROCESS_INFORMATION first = StartUmbrix(L":silent");
    PROCESS_INFORMATION second = StartUmbrix(L":silent");
    ASSERT_NE(first.hProcess, nullptr);
    ASSERT_NE(second.hProcess, nullptr);
    // One of the two ends after handing over; the other stays as the instance.
    HANDLE both[] = {first.hProcess, second.hProcess};
    DWORD ended = WAIT_TIMEOUT;
    const DWORD deadline = GetTickCount() + 20000;
    while (ended == WAIT_TIMEOUT && GetTickCount() < deadline) {
        ended = MsgWaitForMultipleObjects(2, both, FALSE, 100, QS_ALLINPUT);
        if (ended == WAIT_OBJECT_0 + 2) ended = WAIT_TIMEOUT;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    EXPECT_TRUE(ended == WAIT_OBJECT_0 || ended == WAIT_OBJECT_0 + 1) << "one start handed over and ended";
    PROCESS_INFORMATION& instance = ended == WAIT_OBJECT_0 ? second : first;
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(instance.hProcess, 0)) << "the other one runs";
    EXPECT_EQ(CountRealFrames(), 1);

    // A further start finds that instance, not the foreign window.
    EXPECT_TRUE(RunSecondStart(L"-1"));
    EXPECT_TRUE(g_received.empty());
    EXPECT_EQ(CountRealFrames(), 1);

    EndProcess(first);
    EndProcess(second);
    DestroyWindow(foreign);
    UnregisterClassW(L"SomeOtherProgramsWindow", GetModuleHandleW(nullptr));
}

}  // namespace

// All a second start needs is to find the frame and send it one message: it
// hands over without loading what only the running instance and its actions use.
TEST_F(SingleInstanceTest, ASecondStartHandsOverWithoutLoadingTheInstancesLibraries)
{
    g_senderModules.clear();
    ASSERT_TRUE(RunSecondStart(L"1009"));
    ASSERT_EQ(g_received.size(), 1u);
    const auto loaded = [](const wchar_t* dll) {
        return std::find(g_senderModules.begin(), g_senderModules.end(), dll) != g_senderModules.end();
    };
    ASSERT_TRUE(loaded(L"umbrix.exe") && loaded(L"user32.dll")) << "the sender's modules were listed";
    for (const wchar_t* dll : {L"comctl32.dll", L"ole32.dll", L"oleaut32.dll", L"combase.dll", L"shell32.dll",
                               L"comdlg32.dll", L"wininet.dll", L"rasapi32.dll", L"winmm.dll", L"sapi.dll"})
        EXPECT_FALSE(loaded(dll)) << dll;
}
