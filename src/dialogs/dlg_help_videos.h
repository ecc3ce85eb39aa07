#pragma once
// CDlgHelpVideos: the help-video window (dialog 334), a web-browser control
// filling its resizable client area. Without the control it shows a link to
// the same page instead.
#include <windows.h>

#include "dialogs/explorer1.h"
#include "framework/dialog.h"

class CDlgHelpVideos : public CDialog {
public:
    explicit CDlgHelpVideos(HWND parent = nullptr);

    bool BrowserShown() const { return m_browser.Created(); }

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void Layout();

    CExplorer1 m_browser;
};
