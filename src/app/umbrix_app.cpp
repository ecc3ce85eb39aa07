#include "app/umbrix_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "actions/display_ops.h"
#include "actions/system_requests.h"
#include "app/command_line.h"
#include "app/tips_file_win.h"
#include "dialogs/startup_windows.h"
#include "framework/win_text.h"
#include "shell/hot_keys.h"
#include "shell/launchers.h"
#include "shell/main_frame.h"
#include "shell/messages.h"
#include "shell/umbrix_view.h"

namespace {

// The send waits for as long as the running instance takes to handle the
// request (a countdown, a message box the user has to answer), as a plain
// SendMessage would, but gives up at once on an instance that already hangs
// instead of hanging every later start with it.
LRESULT SendToRunningInstance(HWND frame, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(frame, msg, wParam, lParam, SMTO_ABORTIFHUNG, INFINITE, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

CUmbrixApp::CUmbrixApp() : CWinAppBase(L"Umbrix") {}

CUmbrixApp::~CUmbrixApp() = default;

bool CUmbrixApp::HandOverToRunningInstance()
{
    const std::wstring argumentText = ExtractArgumentText(GetCommandLineW(), GetModulePath());
    HWND running = FindWindowW(nullptr, kFrameCaption);
    const SingleInstanceDecision decision = DecideSingleInstance(CommandLineArgs(), argumentText);
    if (decision.request == HandOver::RunAction) m_startAction = decision.startAction;
    if (running) {
        switch (decision.request) {
        case HandOver::ShowSettings: SendToRunningInstance(running, UM_SHOW_SETTINGS, 0, 0); break;
        case HandOver::RunAction:
            SendToRunningInstance(running, UM_RUN_ACTION, static_cast<WPARAM>(static_cast<INT_PTR>(m_startAction)),
                                  static_cast<LPARAM>(m_startAction));
            break;
        case HandOver::MonitorOff: SendToRunningInstance(running, UM_MONITOR_OFF, 0, 0); break;
        case HandOver::Nothing: break;
        }
    }
    return running != nullptr;
}

bool CUmbrixApp::InitInstance()
{
    // Nothing tests this mutex; it only marks that an instance has started.
    m_instanceMutex = CreateMutexW(nullptr, TRUE, L"Global\\U B X S v c");

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

    SetRegistryKey(L"Corvane");
    ISettingsStore& profile = Profile();

    ShowHelpVideosOnFirstStart(profile);

    // A one-time monitor-off delay never survives a restart.
    profile.WriteInt(kSettingsSection, L"EnableDurationUBX", 0);

    if (HandOverToRunningInstance()) return false;

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

    SeedTipsFile(profile);
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
    if (m_frame) System().BlockInput(FALSE);
    if (m_instanceMutex) {
        ReleaseMutex(m_instanceMutex);
        CloseHandle(m_instanceMutex);
        m_instanceMutex = nullptr;
    }
    m_pMainWnd = nullptr;
    m_frame.reset();
    if (m_oleInitialized) OleUninitialize();
    return CWinAppBase::ExitInstance();
}
