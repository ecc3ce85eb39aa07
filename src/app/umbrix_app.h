#pragma once
// CUmbrixApp: start-up, the single-instance rule, the command line and the
// instance exit of Umbrix.
#include <windows.h>

#include <memory>

#include "framework/app.h"

class CMainFrame;

class CUmbrixApp final : public CWinAppBase {
public:
    CUmbrixApp();
    ~CUmbrixApp() override;

    bool InitInstance() override;
    bool PreTranslateMessage(MSG& msg) override;
    int ExitInstance() override;

    // Looks for a running instance and hands it this start's request. While
    // another start of this user and session is starting, waits for its frame
    // at most StartWaitLimit(); gives up (dropping the request, with a
    // message) after that, and ends at once (dropping it, the other's window
    // brought to the front) when that start shows its help-videos window.
    // Returns true when this process must end, false when it becomes the
    // instance.
    bool HandOverToRunningInstance();

    CMainFrame* Frame() const { return m_frame.get(); }

    HANDLE m_instanceMutex = nullptr;
    int m_startAction = -1;
    int m_appLook = 219;

private:
    std::unique_ptr<CMainFrame> m_frame;
    bool m_oleInitialized = false;
    // The start mutex (start_mutex_win.h), held for the life of the instance.
    HANDLE m_startMutex = nullptr;
    bool m_ownsStartMutex = false;
};
