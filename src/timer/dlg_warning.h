#pragma once
// The warning window of the last minute (dialog 136, caption "Vandric"): the
// seconds left, what will happen, and the buttons "Add 10 Minutes" and
// "Cancel Schedule", whose commands go to the owner. Always on top, beside
// the taskbar, and never active: no keystroke typed elsewhere reaches it.
#include <string>

#include "framework/dialog.h"
#include "timer/countdown_warning.h"

class CDlgWarning final : public CDialog {
public:
    CDlgWarning();
    ~CDlgWarning() override;

    // Creates the window on first use, owned by `owner`, which receives the
    // buttons' commands (posted), and shows it without activating it;
    // afterwards only the texts change.
    void Show(HWND owner, int remainingSeconds, const std::wstring& sentence);
    void Close();
    bool Shown() const { return IsWindow(); }

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
};

// Top-left corner for a width x height window beside the taskbar, on the
// taskbar's monitor (SHAppBarMessage ABM_GETTASKBARPOS); the primary
// monitor's bottom-right corner when there is no taskbar.
ScreenPoint BesideTaskbar(int width, int height);
