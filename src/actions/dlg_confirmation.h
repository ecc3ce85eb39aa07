#pragma once
// The countdown confirmation (dialog 315): counts m_seconds down in an
// always-on-top dialog and ends with IDOK when it runs out or "&Do It Now" is
// pressed; IDCANCEL on "Cancel", Escape, closing, or input while
// "Cancel with Mouse or Keyboard Input" is checked. Callers proceed exactly
// on IDOK.
#include <cstdint>
#include <string>

#include "actions/countdown.h"
#include "framework/dialog.h"

class CDlgConfirmation : public CDialog {
public:
    explicit CDlgConfirmation(HWND parent = nullptr);

    // Remaining seconds; any value is accepted (0 or below ends at the first tick).
    int m_seconds = 15;
    // "<XX>" stands for the seconds; replaced when the dialog opens.
    std::wstring m_message = kDefaultConfirmMessage;
    // Check-box states, read from the profile when the dialog opens.
    int m_voiceAlert = 0;
    int m_cancelWithInput = 0;
    // Idle seconds at the first tick that checked for input; kNoIdleBaseline until then.
    std::uint32_t m_idleBaseline = kNoIdleBaseline;
    // The voice alert has been started (it is spoken at most once per dialog).
    bool m_spoken = false;

    static constexpr UINT_PTR kTickTimer = 100;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnTimer(UINT_PTR id) override;

private:
    void OnTick();
    // Speaks `text` on a detached worker thread that owns its copy.
    static void StartVoiceAlert(const std::wstring& text);
};
