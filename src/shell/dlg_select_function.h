#pragma once
// CDlgSelectFunction: the desktop-shortcut chooser (dialog 314). After IDOK
// the members hold the selected entry text and the two check boxes.
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CDlgSelectFunction : public CDialog {
public:
    // `versionClass` decides the list's length and the right-click box.
    CDlgSelectFunction(HWND parent, int versionClass);

    std::wstring m_selected;  // "<number>\t<name>", empty when none was selected
    int m_confirm = 1;
    int m_rightClick = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;

private:
    int m_versionClass;
};
