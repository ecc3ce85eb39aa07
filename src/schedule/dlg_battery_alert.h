#pragma once
// The battery power alert dialog (dialog 321): turns the spoken low-battery
// alert on or off, edits its text and shows the battery charge, refreshed
// every second.
#include <windows.h>

#include "framework/dialog.h"

class CDlgBatteryAlert : public CDialog {
public:
    explicit CDlgBatteryAlert(HWND parent = nullptr);

    int m_alert = 0;

    static constexpr UINT_PTR kRefreshTimer = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;

private:
    void ShowCharge();
    void OnDefineText();
};

// The settings window's menu command.
void OnBatteryAlert(HWND owner);
