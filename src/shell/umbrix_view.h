#pragma once
// CUmbrixView: the settings form (dialog 101) inside the frame, and the
// target of the tray and menu commands.
#include <windows.h>

#include "framework/dialog.h"

class CMainFrame;

class CUmbrixView : public CDialog {
public:
    explicit CUmbrixView(CMainFrame& frame);

    bool Create();
    // Runs once, when start-up creates the frame: loads the form and starts
    // what lives as long as the program.
    void OnInitialUpdate();
    // Handles a menu or tray command; false when it is not the view's.
    bool OnCmdMsg(UINT id);

    // Shows the settings window with freshly loaded values.
    void OpenSettings();
    // Hides the frame without storing anything. `parkFocus`: move the focus
    // to the invisible holder first, so no field keeps it.
    void Hide(bool parkFocus);
    // The Exit command: asks first when a hot key is set.
    void OnAppExit();
    // WM_ENDSESSION: `ending` false (the end was cancelled) changes nothing;
    // a session that ends runs the exit procedure without asking.
    void OnEndSession(bool ending);
    // The chooser and shortcut of button 1024 and command 32833.
    void OnCreateDesktopShortcut();

    int m_keepSystemActive = 0;
    int m_voiceAlert = 0;
    int m_wakeWithMouse = 0;
    int m_password = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;      // Save
    void OnCancel() override;  // hide
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void LoadFormValues();
    void Save();
    void KeepAwake(bool keep);
    void ExitProcedure(bool askAboutHotKeys);

    CMainFrame& m_frame;
};
