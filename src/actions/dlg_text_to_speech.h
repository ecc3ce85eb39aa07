#pragma once
// The text-to-speech tool (dialog 327): speaks the text or saves it as a .wav
// file. Keeps "TextToSpeechText" and "PlayAfterConversion" in the profile.
#include <string>

#include "framework/dialog.h"

// The system's save-file dialog for one .wav name, owned by `owner` (may be
// null). The chosen path, or empty when the user cancels. No extension is added.
std::wstring AskWaveFileName(HWND owner);

class CDlgTextToSpeech : public CDialog {
public:
    explicit CDlgTextToSpeech(HWND parent = nullptr);

    std::wstring m_text;
    int m_playAfterConversion = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    // "Close": stores both settings, then ends with IDOK. Escape stores nothing.
    void OnOK() override;

private:
    void OnSpeak();
    void OnTextToWave();
    // True when `path` does not exist or the user agrees to replace it.
    bool MayWriteTo(const std::wstring& path);
};
