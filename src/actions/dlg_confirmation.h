#pragma once
// The countdown confirmation (dialog 315): counts m_seconds down in an
// always-on-top dialog and ends with IDOK when it runs out or "&Do It Now" is
// pressed; IDCANCEL on "Cancel", Escape, closing, or input while
// "Cancel with Mouse or Keyboard Input" is checked. Callers proceed exactly
// on IDOK.
#include <string>

#include "actions/countdown.h"
#include "framework/dialog.h"

// The count itself (m_seconds, m_message with "<XX>" for the seconds,
// m_inputBaseline, m_spoken) and its tick rules come from CCountdown; any
// m_seconds is accepted (0 or below ends at the first tick).
class CDlgConfirmation : public CDialog, public CCountdown {
public:
    explicit CDlgConfirmation(HWND parent = nullptr);

    // Check-box states, read from the profile when the dialog opens.
    int m_voiceAlert = 0;
    int m_cancelWithInput = 0;

    static constexpr UINT_PTR kTickTimer = 100;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnTick();
    // Speaks `text` on a detached worker thread that owns its copy.
    static void StartVoiceAlert(const std::wstring& text);

    // Where the pointer was when the dialog opened, and whether it is still
    // there: see OnMessage.
    POINT m_cursorAtOpen{};
    bool m_cursorResting = true;
};
