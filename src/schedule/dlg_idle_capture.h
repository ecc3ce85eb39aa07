#pragma once
// The idle monitor-off dialog and, with m_mode = 1, the idle screen-saver
// dialog (322). Reads its mode's settings when it opens and writes them on
// Save, which ends it with IDOK; the opener then re-arms the idle timers.
// The "..." button stores the mode's alert text at once, Save or not.
#include "framework/dialog.h"
#include "schedule/idle_dialog_values.h"

class CDlgIdleCapture : public CDialog {
public:
    explicit CDlgIdleCapture(HWND parent = nullptr);

    int m_mode = kIdleCaptureMonitorOff;  // set by the opener before DoModal
    int m_enable = 0;
    int m_minutes = 10;  // 1 to 5000
    int m_lockOnResume = 0;
    int m_alert = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void UpdateEnabledStates();
    void OnEditAlertText();
};
