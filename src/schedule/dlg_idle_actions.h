#pragma once
// The idle power actions dialog (330): minutes (0 = off, 0 to 1000 through
// the up-down controls), confirmation and forced flags of the four actions,
// and a live line of the user's idle time. OK stores the four groups in
// CAppSettings (and the store); the 1-second check uses them from its next
// tick on.
#include <windows.h>

#include "app/app_settings.h"
#include "framework/dialog.h"

class CDlgIdleActions : public CDialog {
public:
    CDlgIdleActions(CAppSettings& settings, HWND parent = nullptr);

    unsigned m_logOffMinutes = 0;
    int m_logOffConfirmation = 1;
    int m_logOffForced = 0;
    unsigned m_shutdownMinutes = 0;
    int m_shutdownConfirmation = 1;
    int m_shutdownForced = 0;
    unsigned m_hibernateMinutes = 0;
    int m_hibernateConfirmation = 1;
    unsigned m_standbyMinutes = 0;
    int m_standbyConfirmation = 1;

    static constexpr UINT_PTR kIdleLineTimer = 1;
    static constexpr int kMinutesLow = 0;
    static constexpr int kMinutesHigh = 1000;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ShowIdleTime();

    CAppSettings& m_settings;
    LASTINPUTINFO m_lastInput{};
};
