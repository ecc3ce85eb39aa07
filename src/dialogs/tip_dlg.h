#pragma once
// CTipDlg: the tip of the day (dialog 311). Constructing it reads the next
// tip and destroying it stores the place, whether or not it is shown.
#include <windows.h>

#include <memory>
#include <string>

#include "app/settings_store.h"
#include "framework/dialog.h"

class CTipSession;

class CTipDlg : public CDialog {
public:
    // `tipsPath`: the tips file; it may be missing. `profile`: where "Tip" lives.
    CTipDlg(ISettingsStore& profile, const std::wstring& tipsPath, HWND parent = nullptr);
    ~CTipDlg() override;

    // Whether the user wants the window at start-up.
    bool StartUp() const;
    // The texts shown now (tests).
    std::wstring TipText() const { return m_tip; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void TakeTexts();
    void ReportTrouble();
    void PaintPanel(HDC dc);

    std::unique_ptr<CTipSession> m_session;
    std::wstring m_tip;
    std::wstring m_header;
    std::wstring m_footer;
    int m_startUpCheck = 0;
    HFONT m_headerFont = nullptr;
    HBITMAP m_picture = nullptr;
};
