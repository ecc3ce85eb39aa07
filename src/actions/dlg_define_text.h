#pragma once
// The alert-text editor (dialog 323). The opener presets m_text, runs the
// dialog and, on IDOK, takes m_text; storing it is the opener's business.
#include <string>

#include "framework/dialog.h"

class CDlgDefineText : public CDialog {
public:
    explicit CDlgDefineText(HWND parent = nullptr);

    std::wstring m_text;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void OnSpeakAlertText();
};
