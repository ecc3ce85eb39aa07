#pragma once
// CAboutDlg: the about box (dialog 100) with its two links.
#include <windows.h>

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND parent = nullptr);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
};
