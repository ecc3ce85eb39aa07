#include "actions/dlg_confirmation.h"

#include <commctrl.h>

#include <memory>

#include "actions/speech_win.h"
#include "framework/app.h"
#include "resources/resource.h"

namespace {

// The tick count of the last keyboard or mouse input. Only compared for
// equality, so GetTickCount's wrap after 49.7 days does not matter.
std::uint32_t LastInputTick()
{
    LASTINPUTINFO info{};
    info.cbSize = sizeof(info);
    GetLastInputInfo(&info);
    return static_cast<std::uint32_t>(info.dwTime);
}

DWORD WINAPI SpeakAndForget(void* parameter)
{
    const std::unique_ptr<std::wstring> text(static_cast<std::wstring*>(parameter));
    SpeakText(*text);
    return 0;
}

}  // namespace

CDlgConfirmation::CDlgConfirmation(HWND parent) : CDialog(IDD_CONFIRMATION, parent) {}

void CDlgConfirmation::DoDataExchange(CDataExchange& dx)
{
    // The message is only shown, never read back; a lone "&" in it (an action
    // name such as "Lock WorkStation & Monitor Off") must show as itself.
    if (!dx.Saving()) SetDlgItemTextW(m_hWnd, IDC_CONFIRM_MESSAGE, WithVisibleAmpersands(m_message).c_str());
    dx.Check(IDC_CONFIRM_VOICE_ALERT, m_voiceAlert);
    dx.Check(IDC_CONFIRM_CANCEL_WITH_INPUT, m_cancelWithInput);
}

bool CDlgConfirmation::OnInitDialog()
{
    Open();
    WatchInputFrom(LastInputTick());
    GetCursorPos(&m_cursorAtOpen);
    ISettingsStore& profile = AfxProfile();
    m_voiceAlert = profile.ReadInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 1);
    m_cancelWithInput = profile.ReadInt(kSettingsSection, L"CancelDlgWithInput", 0);

    CDialog::OnInitDialog();

    HWND progress = GetDlgItem(IDC_CONFIRM_PROGRESS);
    SendMessageW(progress, PBM_SETRANGE, 0, MAKELPARAM(0, m_seconds));
    SendMessageW(progress, PBM_SETSTEP, 1, 0);

    SetTimer(m_hWnd, kTickTimer, 1000, nullptr);

    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus(m_hWnd);
    SetActiveWindow(m_hWnd);
    return true;
}

bool CDlgConfirmation::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;
    if (id != IDC_CONFIRM_VOICE_ALERT && id != IDC_CONFIRM_CANCEL_WITH_INPUT) return false;
    UpdateData(true);
    if (id == IDC_CONFIRM_VOICE_ALERT) {
        AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", m_voiceAlert);
    } else {
        AfxProfile().WriteInt(kSettingsSection, L"CancelDlgWithInput", m_cancelWithInput);
        // The click that switches cancelling on is input itself; only what
        // comes after it cancels.
        if (m_cancelWithInput) WatchInputFrom(LastInputTick());
    }
    return true;
}

void CDlgConfirmation::OnTimer(UINT_PTR id)
{
    if (id == kTickTimer) OnTick();
}

bool CDlgConfirmation::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR&)
{
    // A window that appears under a resting pointer gets a mouse move that
    // nobody made; under Wine (X11) it even counts as input for
    // GetLastInputInfo. While the pointer has not left the place it had when
    // the dialog opened, such a move is the dialog's own appearance, not the
    // user: it joins the input before the countdown.
    if (msg == WM_SETCURSOR && HIWORD(lParam) == WM_MOUSEMOVE && m_cursorResting) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == m_cursorAtOpen.x && now.y == m_cursorAtOpen.y)
            WatchInputFrom(LastInputTick());
        else
            m_cursorResting = false;
    }
    return false;
}

void CDlgConfirmation::OnTick()
{
    const bool checkInput = m_cancelWithInput != 0;
    const TickResult tick = Tick(checkInput, checkInput ? LastInputTick() : 0u, m_voiceAlert == 1);

    // The user's input wins, also in the last second: nothing else happens.
    if (tick.cancelled) {
        KillTimer(m_hWnd, kTickTimer);
        EndDialog(IDCANCEL);
        return;
    }
    SendDlgItemMessageW(m_hWnd, IDC_CONFIRM_PROGRESS, PBM_STEPIT, 0, 0);
    if (tick.speak) StartVoiceAlert(tick.speakText);
    UpdateData(false);
    if (tick.finished) {
        KillTimer(m_hWnd, kTickTimer);
        EndDialog(IDOK);
    }
}

void CDlgConfirmation::StartVoiceAlert(const std::wstring& text)
{
    // Nobody waits for the thread: it may still be speaking after the dialog
    // (and its object) are gone, so it gets a copy of the text of its own.
    auto copy = std::make_unique<std::wstring>(text);
    if (HANDLE thread = CreateThread(nullptr, 0, SpeakAndForget, copy.get(), 0, nullptr)) {
        static_cast<void>(copy.release());  // the thread owns it now
        CloseHandle(thread);
    }
}
