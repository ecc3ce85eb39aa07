#pragma once
// Vandric's application object: asks for a schedule at start, then lives in
// the message loop until its main window is destroyed.
#include "framework/app.h"
#include "timer/vandric_dlg.h"

class CVandricApp final : public CWinAppBase {
public:
    CVandricApp();

    bool InitInstance() override;
    // Every WM_HOTKEY (the monitor-off hot key belongs to no window, so it
    // arrives as a thread message) switches the monitor off.
    bool PreTranslateMessage(MSG& msg) override;
    int ExitInstance() override;

    CVandricDlg& MainDialog() { return m_dlg; }

private:
    CVandricDlg m_dlg;
};
