#pragma once
// CMainFrame: the settings window's frame, caption "Umbrix : Settings". It
// owns the action dispatcher and receives the messages of a second start.
#include <memory>
#include <string>

#include "framework/window.h"

class CUmbrixView;

class CMainFrame : public CWnd {
public:
    // `appLook`: the application's current look, which the look commands
    // change; null keeps it in the frame.
    explicit CMainFrame(int* appLook = nullptr);
    ~CMainFrame() override;

    // Creates the frame hidden, with its menu, status bar and form view.
    bool Create();

    // Runs catalogue action `number`; 1000 added asks first; -1 does nothing;
    // anything else that names no action shows the settings window.
    void RunAction(int number);
    // Action 17 and command 32812.
    void Suspend();

    CUmbrixView* View() const { return m_view.get(); }

    bool PreTranslateMessage(MSG& msg) override;

    // Read by the operations that confirm on their own.
    bool m_confirmFirst = false;
    // The tips file that the tip of the day reads.
    std::wstring m_tipsFilePath;
    int AppLook() const { return *m_appLook; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCommand(UINT id);
    // The look, tip, welcome, help-video and about commands (main_frame_secondary.cpp).
    bool OnSecondaryCommand(UINT id);
    void TakeStoredLook();
    void CreateStatusBar();
    void UpdateIndicators();
    void RecalcLayout();
    void ToggleStatusBar();
    bool StatusBarShown() const;

    std::unique_ptr<CUmbrixView> m_view;
    HWND m_statusBar = nullptr;
    int m_ownLook = -1;
    int* m_appLook;
};
