#include "actions/dlg_text_to_speech.h"

#include <commdlg.h>

#include <vector>

#include "actions/speech_win.h"
#include "actions/system_requests.h"
#include "actions/wave_file_name.h"
#include "framework/app.h"
#include "resources/resource.h"

std::wstring AskWaveFileName(HWND owner)
{
    std::vector<wchar_t> file(1024, L'\0');
    // Each filter string ends with its own terminator; the list ends with a second one.
    static const wchar_t kFilter[] = L"Wav files\0*.WAV\0";

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = nullptr;  // the system's default folder
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&ofn)) return {};
    return file.data();
}

CDlgTextToSpeech::CDlgTextToSpeech(HWND parent) : CDialog(IDD_TEXT_TO_SPEECH, parent) {}

void CDlgTextToSpeech::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_TTS_TEXT, m_text);
    dx.Check(IDC_TTS_PLAY_AFTER, m_playAfterConversion);
}

bool CDlgTextToSpeech::OnInitDialog()
{
    ISettingsStore& profile = AfxProfile();
    m_text = profile.ReadString(kSettingsSection, L"TextToSpeechText", L"");
    m_playAfterConversion = profile.ReadInt(kSettingsSection, L"PlayAfterConversion", 1);
    CDialog::OnInitDialog();
    SetIcons(IDR_MAINFRAME);
    return true;
}

bool CDlgTextToSpeech::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_TTS_SPEAK:
        OnSpeak();
        return true;
    case IDC_TTS_TO_WAV:
        OnTextToWave();
        return true;
    default:
        return false;
    }
}

void CDlgTextToSpeech::OnSpeak()
{
    if (!UpdateData(true)) return;
    CWaitCursor wait;
    AfxProfile().WriteString(kSettingsSection, L"TextToSpeechText", m_text);
    SpeakText(m_text);
}

bool CDlgTextToSpeech::MayWriteTo(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    const std::wstring question = path + L" already exists.\nDo you want to replace it?";
    return MessageBoxW(m_hWnd, question.c_str(), AfxAppTitle(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CDlgTextToSpeech::OnTextToWave()
{
    if (!UpdateData(true)) return;
    CWaitCursor wait;
    // The save dialog cannot ask about the name itself: ".wav" may be
    // appended only afterwards. Declining the replacement asks for another
    // name, as the system's own prompt does.
    std::wstring path;
    do {
        path = AskWaveFileName(m_hWnd);
        if (path.empty()) return;
        path = EnsureWavExtension(path);
    } while (!MayWriteTo(path));
    if (TextToWaveFile(path, m_text)) {
        if (m_playAfterConversion) System().ShellExecuteFile(L"Open", path, L"", SW_SHOW);
    } else {
        MessageBoxW(m_hWnd, L"Failed to convert text to .wav file", AfxAppTitle(), MB_OK);
    }
}

void CDlgTextToSpeech::OnOK()
{
    if (!UpdateData(true)) return;
    ISettingsStore& profile = AfxProfile();
    profile.WriteString(kSettingsSection, L"TextToSpeechText", m_text);
    profile.WriteInt(kSettingsSection, L"PlayAfterConversion", m_playAfterConversion);
    EndDialog(IDOK);
}
