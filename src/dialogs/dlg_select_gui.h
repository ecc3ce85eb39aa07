#pragma once
// CDlgSelectGui: the look chooser (dialog 326). A click on a look's radio
// button selects that look at once through the opener's select operation.
#include <windows.h>

#include <functional>

#include "framework/dialog.h"

class CDlgSelectGui : public CDialog {
public:
    // `currentLook` tells the look in force; `selectLook` selects one, with
    // the window its questions belong to.
    CDlgSelectGui(std::function<int()> currentLook, std::function<void(int look, HWND owner)> selectLook,
                  HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    // Marks the radio button of the look in force, none for no look.
    void ShowCurrentLook();

    std::function<int()> m_currentLook;
    std::function<void(int, HWND)> m_selectLook;
};

inline constexpr const wchar_t* kCustomizeMenuNotice =
    L"This Feature will work when the application is running in other than Basic Windows Skin.\n"
    L"Please Open Umbrix Settings and change the Windows Skin to other than Basic Windows Skin first.\n"
    L"Please Change Skin from Umbrix Settings - > View - > Application Look and more";
