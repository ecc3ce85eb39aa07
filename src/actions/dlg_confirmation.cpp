#include "actions/dlg_confirmation.h"

#include <commctrl.h>

#include <memory>

#include "actions/speech_win.h"
#include "framework/app.h"
#include "resources/resource.h"

namespace {

// Whole seconds since the last keyboard or mouse input. Unsigned arithmetic
// keeps the result right across GetTickCount's wrap after 49.7 days.
std::uint32_t IdleSeconds()
{
    LASTINPUTINFO info{};
    info.cbSize = sizeof(info);
    GetLastInputInfo(&info);
    return static_cast<std::uint32_t>(GetTickCount() - info.dwTime) / 1000u;
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
    dx.Text(IDC_CONFIRM_MESSAGE, m_message);
    dx.Check(IDC_CONFIRM_VOICE_ALERT, m_voiceAlert);
    dx.Check(IDC_CONFIRM_CANCEL_WITH_INPUT, m_cancelWithInput);
}

bool CDlgConfirmation::OnInitDialog()
{
    Open();
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
    if (id == IDC_CONFIRM_VOICE_ALERT)
        AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", m_voiceAlert);
    else
        AfxProfile().WriteInt(kSettingsSection, L"CancelDlgWithInput", m_cancelWithInput);
    return true;
}

void CDlgConfirmation::OnTimer(UINT_PTR id)
{
    if (id == kTickTimer) OnTick();
}

void CDlgConfirmation::OnTick()
{
    const bool checkInput = m_cancelWithInput != 0;
    const TickResult tick = Tick(checkInput, checkInput ? IdleSeconds() : 0u, m_voiceAlert == 1);

    // Ending only marks the result; the tick runs on, so in the last second
    // the IDOK below overrides this IDCANCEL.
    if (tick.cancelled) {
        KillTimer(m_hWnd, kTickTimer);
        EndDialog(IDCANCEL);
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
