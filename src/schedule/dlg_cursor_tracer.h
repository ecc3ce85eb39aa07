#pragma once
// The screen-corner dialog (dialog 320): the corner, the action and whether
// it is on, with a live line of the cursor position.
#include <windows.h>

#include "framework/dialog.h"

class CDlgCursorTracer : public CDialog {
public:
    explicit CDlgCursorTracer(HWND parent = nullptr);

    int m_enabled = 0;
    int m_corner = -1;  // 0..3, -1 for no radio button chosen

    static constexpr UINT_PTR kPositionTimer = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;

private:
    void UpdateEnabledStates();
};

// Command 32794.
void OnScreenCorner(HWND owner);
