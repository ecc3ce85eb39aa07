#pragma once
// The one-time delay dialog (325): switch the monitor off once, n minutes
// after Save. The members are read from the settings when the object is
// constructed; Save writes them and ends with IDOK, after which the opener
// re-arms the delay timer.
#include "framework/dialog.h"

class CDlgDurationSelector : public CDialog {
public:
    explicit CDlgDurationSelector(HWND parent = nullptr);

    int m_minutes;  // 1 to 5000
    int m_enable;
    int m_lockOnResume;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void UpdateEnabledStates();
};
