#pragma once
// CDlgWelcome: the welcome center (dialog 331).
#include <windows.h>

#include "framework/dialog.h"

class CDlgWelcome : public CDialog {
public:
    // `frame`: the main frame, which receives the "Umbrix Settings" and
    // desktop-shortcut commands.
    explicit CDlgWelcome(HWND frame, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    HWND m_frame;
};
