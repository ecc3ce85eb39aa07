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

    // Looks for a running instance (waiting, however long, for one that is
    // starting, until its frame exists or it has ended) and hands it this
    // start's request. Returns true when one runs (this process then ends).
    bool HandOverToRunningInstance();

    CMainFrame* Frame() const { return m_frame.get(); }

    HANDLE m_instanceMutex = nullptr;
    int m_startAction = -1;
    int m_appLook = 219;

private:
    std::unique_ptr<CMainFrame> m_frame;
    bool m_oleInitialized = false;
    // The instance mutex existed before this process asked for it.
    bool m_mutexExisted = false;
};
