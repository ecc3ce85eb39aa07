#pragma once
// CMainFrame: the settings window's frame, caption "Umbrix : Settings". It
// owns the action dispatcher and receives the messages of a second start.
#include <memory>
#include <string>

#include "framework/window.h"

class CUmbrixView;

class CMainFrame : public CWnd {
public:
    CMainFrame();
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

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCommand(UINT id);
    void CreateStatusBar();
    void UpdateIndicators();
    void RecalcLayout();
    void ToggleStatusBar();
    bool StatusBarShown() const;

    std::unique_ptr<CUmbrixView> m_view;
    HWND m_statusBar = nullptr;
};
