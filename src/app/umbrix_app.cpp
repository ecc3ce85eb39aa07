#include "app/umbrix_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "actions/display_ops.h"
#include "actions/system_requests.h"
#include "app/command_line.h"
#include "app/start_mutex_win.h"
#include "app/tips_file_win.h"
#include "dialogs/startup_windows.h"
#include "framework/win_text.h"
#include "shell/hot_keys.h"
#include "shell/launchers.h"
#include "shell/main_frame.h"
#include "shell/messages.h"
#include "shell/umbrix_view.h"

namespace {

// How often a start that waits for a starting instance looks for its frame.
constexpr DWORD kFramePollMs = 100;
// How long a running instance may take no messages at all before a second
// start gives up on it.
constexpr DWORD kUnresponsiveLimitMs = 30000;

HWND FindRunningFrame()
{
    return FindWindowW(kFrameClassName, kFrameCaption);
}

struct CStartWaitOutcome {
    StartWaitStep step;
    HWND window;  // the frame (HandOver) or the help-videos window (FrontHelpVideos)
};

// Waits while another start of this user and session holds `startMutex`
// until its frame exists, it has ended (this process then owns the mutex,
// released or abandoned), it shows its first-start window, or `limitMs` have
// passed. Messages keep being handled meanwhile: the component library's
// hidden window makes this process a target of broadcasts, which must not
// hang on it.
CStartWaitOutcome WaitForStartingInstance(HANDLE startMutex, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        StartWaitState state;
        HWND frame = FindRunningFrame();
        HWND help = FindWindowW(L"#32770", kHelpVideosCaption);
        state.frameFound = frame != nullptr;
        state.helpVideosOpen = help != nullptr;
        state.elapsedMs = GetTickCount() - start;
        const DWORD wait = MsgWaitForMultipleObjects(1, &startMutex, FALSE, 0, QS_ALLINPUT);
        // A failed wait counts as held: never a second instance beside a live one.
        state.otherStartHolds = wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED_0;
        const StartWaitStep step = DecideStartWait(state, limitMs);
        if (step == StartWaitStep::HandOver && !state.otherStartHolds) ReleaseMutex(startMutex);
        if (step != StartWaitStep::KeepWaiting) return {step, step == StartWaitStep::HandOver ? frame : help};
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kFramePollMs, QS_ALLINPUT);
    }
}

void ShowNotRespondingMessage()
{
    MessageBoxW(nullptr,
                L"Umbrix is already running but has not responded for 30 seconds, so this request could not be "
                L"handed over to it. Please try again later.",
                L"Umbrix", MB_ICONERROR);
}

struct CHandOverRequest {
    HWND frame;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

DWORD WINAPI SendHandOverRequest(void* parameter)
{
    const std::unique_ptr<CHandOverRequest> request(static_cast<CHandOverRequest*>(parameter));
    SendMessageW(request->frame, request->message, request->wParam, request->lParam);
    return 0;
}

// Hands the request to the running frame and returns once it has been
// handled, however long that takes (a countdown, a message box the user has
// to answer). The request is sent on a thread of its own while this thread
// checks that the instance still takes messages: one that is busy for a while
// (speaking a long text) gets the request when it is free; only one that
// takes none for kUnresponsiveLimitMs is given up. False when given up.
bool DeliverToRunningInstance(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto request = std::make_unique<CHandOverRequest>(CHandOverRequest{frame, message, wParam, lParam});
    HANDLE sender = CreateThread(nullptr, 0, SendHandOverRequest, request.get(), 0, nullptr);
    if (!sender) {
        SendMessageW(frame, message, wParam, lParam);
        return true;
    }
    static_cast<void>(request.release());  // the thread owns it now

    bool delivered = true;
    while (WaitForSingleObject(sender, 200) == WAIT_TIMEOUT) {
        DWORD_PTR ignored = 0;
        if (SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, kUnresponsiveLimitMs, &ignored)) continue;
        // A frame that is gone has ended the send as well.
        if (IsWindow(frame) && WaitForSingleObject(sender, 0) == WAIT_TIMEOUT) {
            delivered = false;
            break;
        }
    }
    CloseHandle(sender);
    return delivered;
}

}  // namespace

CUmbrixApp::CUmbrixApp() : CWinAppBase(L"Umbrix") {}

CUmbrixApp::~CUmbrixApp() = default;

bool CUmbrixApp::HandOverToRunningInstance()
{
    const std::wstring argumentText = CleanArgumentText(CommandLineArgs(), GetModulePath());
    const SingleInstanceDecision decision = DecideSingleInstance(CommandLineArgs(), argumentText);
    if (decision.request == HandOver::RunAction) m_startAction = decision.startAction;

    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    switch (decision.request) {
    case HandOver::ShowSettings: message = UM_SHOW_SETTINGS; break;
    case HandOver::RunAction:
        message = UM_RUN_ACTION;
        wParam = static_cast<WPARAM>(static_cast<INT_PTR>(m_startAction));
        lParam = static_cast<LPARAM>(m_startAction);
        break;
    case HandOver::MonitorOff: message = UM_MONITOR_OFF; break;
    case HandOver::Nothing: break;
    }

    HWND running = FindRunningFrame();
    // Another start of this user and session is starting and has no frame
    // yet: waiting for it keeps two nearly simultaneous starts from both
    // becoming the running instance.
    if (!running && m_startMutex && !m_ownsStartMutex) {
        const CStartWaitOutcome outcome = WaitForStartingInstance(m_startMutex, StartWaitLimit());
        switch (outcome.step) {
        case StartWaitStep::HandOver: running = outcome.window; break;
        case StartWaitStep::BecomeInstance: m_ownsStartMutex = true; return false;
        case StartWaitStep::FrontHelpVideos:
            // The user started this one to get on: the window that holds the
            // other start up is what to show, and this request is dropped.
            if (IsIconic(outcome.window)) ShowWindow(outcome.window, SW_RESTORE);
            SetForegroundWindow(outcome.window);
            return true;
        case StartWaitStep::GiveUp:
            if (message) ShowNotRespondingMessage();
            return true;
        case StartWaitStep::KeepWaiting: return true;
        }
    }
    if (!running) return false;

    if (message && !DeliverToRunningInstance(running, message, wParam, lParam)) ShowNotRespondingMessage();
    return true;
}

bool CUmbrixApp::InitInstance()
{
    m_instanceMutex = CreateMutexW(nullptr, TRUE, L"Global\\U B X S v c");
    // The start mutex tells a start that another one of this user and session
    // has started, even before that one has created the frame by which it is
    // found. One that cannot be created or opened (a name taken by another
    // account) makes no start wait.
    const std::wstring startMutexName = StartMutexName();
    if (!startMutexName.empty()) {
        m_startMutex = CreateMutexW(nullptr, TRUE, startMutexName.c_str());
        m_ownsStartMutex = m_startMutex && GetLastError() != ERROR_ALREADY_EXISTS;
    }

    // A second start needs no more than user32 and the registry to find the
    // running frame and hand it the request: it does so before the common
    // controls and OLE, both delay-loaded, are loaded at all. A first start
    // for the user (help videos still to show) takes the full way.
    SetRegistryKey(L"Corvane");
    if (FindRunningFrame() && HelpVideosShown(Profile()) && HandOverToRunningInstance()) return false;

    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);

    m_oleInitialized = SUCCEEDED(OleInitialize(nullptr));
    if (!m_oleInitialized) {
        MessageBoxW(nullptr, L"OLE initialization failed.  Make sure that the OLE libraries are the correct version.",
                    L"Umbrix", MB_ICONERROR);
        return false;
    }
    // Hosting of embedded controls (the help-video browser) needs nothing
    // beyond OLE here.

    ISettingsStore& profile = Profile();

    // A start that found another one starting waits for it before anything
    // shows: that one's help-videos window is open, and must stay the only one.
    const bool anotherStarted = m_startMutex && !m_ownsStartMutex;
    if (!anotherStarted) ShowHelpVideosOnFirstStart(profile);

    if (HandOverToRunningInstance()) return false;
    if (anotherStarted) ShowHelpVideosOnFirstStart(profile);
    // Only the start that becomes the running instance says so.
    WarnIfSettingsCannotBeKept();

    // A one-time monitor-off delay never survives a restart. Only the process
    // that becomes the running instance resets it: a start that handed its
    // request over must not switch off the delay of the instance that runs.
    profile.WriteInt(kSettingsSection, L"EnableDurationUBX", 0);

    m_appLook = -1;
    m_frame = std::make_unique<CMainFrame>(&m_appLook);
    m_frame->m_tipsFilePath = GetTipsFilePath();
    if (!m_frame->Create()) {
        MessageBoxW(nullptr, L"Failed to create empty document.", L"Umbrix", MB_ICONERROR);
        m_frame.reset();
        return false;
    }
    m_pMainWnd = m_frame.get();

    StartKeyboardShortcutCompanion(true);
    RegisterStoredHotKeys(m_frame->View()->GetSafeHwnd());

    switch (DecideStartCommand(CommandLineArgs(), m_startAction)) {
    case StartCommand::Nothing:
        break;
    case StartCommand::ShowSettings:
        m_frame->ShowWindow(SW_SHOW);
        UpdateWindow(m_frame->GetSafeHwnd());
        break;
    case StartCommand::RunAction:
        m_frame->RunAction(m_startAction);
        break;
    case StartCommand::MonitorOff:
        MonitorOff(0);
        break;
    }

    // A copy that cannot keep its settings leaves its folder as it found it.
    if (!SettingsReadOnly()) SeedTipsFile(profile);
    ShowTipOfDayAtStartup(profile, GetTipsFilePath());
    return true;
}

bool CUmbrixApp::PreTranslateMessage(MSG& msg)
{
    if (HandleHotKeyMessage(msg)) return true;
    return CWinAppBase::PreTranslateMessage(msg);
}

int CUmbrixApp::ExitInstance()
{
    // The monitor-off operation may have left keyboard and mouse blocked. A
    // start that only handed its request over never blocked anything.
    if (m_frame) {
        System().BlockInput(FALSE);
        UnregisterHotKeys();
    }
    if (m_instanceMutex) {
        ReleaseMutex(m_instanceMutex);
        CloseHandle(m_instanceMutex);
        m_instanceMutex = nullptr;
    }
    if (m_startMutex) {
        if (m_ownsStartMutex) ReleaseMutex(m_startMutex);
        CloseHandle(m_startMutex);
        m_startMutex = nullptr;
    }
    m_pMainWnd = nullptr;
    m_frame.reset();
    if (m_oleInitialized) OleUninitialize();
    return CWinAppBase::ExitInstance();
}
