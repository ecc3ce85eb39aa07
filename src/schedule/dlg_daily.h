#pragma once
// The daily schedule dialog (dialog 329): the switch-off and switch-on times
// with their options. OK stores everything, both times included, through the
// settings cache.
#include <windows.h>

#include "framework/dialog.h"

class CAppSettings;
struct COleTime;

class CDlgDaily : public CDialog {
public:
    CDlgDaily(HWND parent, CAppSettings& settings);

    int m_offEnabled = 0;
    int m_confirmation = 0;
    int m_lock = 0;
    int m_onEnabled = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    void UpdateEnabledStates();
    void SetPicker(int id, int (CAppSettings::*get)(COleTime&));
    double ReadPicker(int id) const;

    CAppSettings& m_settings;
};

// Command 32835: runs the dialog over the program's settings cache.
void OnDailySchedule(HWND owner);
