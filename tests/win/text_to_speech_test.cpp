// The text-to-speech tool and its save-file dialog under Wine, with the
// speech requests recorded instead of carried out.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "actions/dlg_text_to_speech.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

const wchar_t kCaption[] = L"Umbrix : Text to Speech";

std::wstring StoredText(const wchar_t* def = L"<none>")
{
    return AfxProfile().ReadString(kSettingsSection, L"TextToSpeechText", def);
}

std::wstring TempFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, buffer);
    return buffer;
}

// The system's save-file dialog of this thread, once it is up.
HWND FindSaveDialog(HWND owner)
{
    HWND found = FindThreadDialog(L"Save As", owner);
    return found && GetWindow(found, GW_OWNER) == owner ? found : nullptr;
}

// Types `name` into the save-file dialog's file-name field and accepts it.
void ChooseFileName(HWND saveDialog, const std::wstring& name)
{
    HWND field = GetDlgItem(saveDialog, cmb13);
    if (!field) field = GetDlgItem(saveDialog, edt1);
    SetWindowTextW(field, name.c_str());
    PostMessageW(saveDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

class TextToSpeechTool : public testing::Test {
protected:
    void SetUp() override { ResetTestProfile(); }

    INT_PTR Run(CDlgTextToSpeech& dlg, CModalScript& script)
    {
        script.Start();
        const INT_PTR result = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    // A script step: the tool's window, once it is up.
    static bool Up(const CDlgTextToSpeech& dlg) { return dlg.GetSafeHwnd() && IsWindowVisible(dlg.GetSafeHwnd()); }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

TEST_F(TextToSpeechTool, OpensWithTheStoredTextPlayOptionAndIcons)
{
    AfxProfile().WriteString(kSettingsSection, L"TextToSpeechText", L"Hello there");
    AfxProfile().WriteInt(kSettingsSection, L"PlayAfterConversion", 0);
    CDlgTextToSpeech dlg;
    std::wstring text;
    bool play = true, icons = false;
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        HWND hwnd = dlg.GetSafeHwnd();
        text = ControlText(hwnd, IDC_TTS_TEXT);
        play = IsDlgButtonChecked(hwnd, IDC_TTS_PLAY_AFTER) == BST_CHECKED;
        icons = SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0) && SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0);
        EXPECT_EQ(hwnd, FindThreadDialog(kCaption));
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"Hello there", text);
    EXPECT_FALSE(play);
    EXPECT_TRUE(icons);
}

TEST_F(TextToSpeechTool, CloseStoresTextAndPlayOptionEscapeStoresNothing)
{
    AfxProfile().WriteString(kSettingsSection, L"TextToSpeechText", L"old");
    for (const bool close : {false, true}) {
        CDlgTextToSpeech dlg;
        CModalScript script;
        script.Then([&] {
            if (!Up(dlg)) return false;
            HWND hwnd = dlg.GetSafeHwnd();
            SetDlgItemTextW(hwnd, IDC_TTS_TEXT, L"new text");
            PostClick(hwnd, IDC_TTS_PLAY_AFTER);
            if (close)
                PostClick(hwnd, IDOK);
            else
                PostKey(GetDlgItem(hwnd, IDC_TTS_TEXT), VK_ESCAPE);
            return true;
        });
        EXPECT_EQ(close ? IDOK : IDCANCEL, Run(dlg, script));
        EXPECT_EQ(close ? L"new text" : L"old", StoredText()) << "close: " << close;
        EXPECT_EQ(close ? 0 : -1, AfxProfile().ReadInt(kSettingsSection, L"PlayAfterConversion", -1));
    }
    EXPECT_TRUE(m_system.Spoken().empty());
}

TEST_F(TextToSpeechTool, SpeakSpeaksAndStoresTheTextEvenWhenTheToolIsThenEscaped)
{
    m_system.m_speakResult = false;  // a failed speech is not reported
    CDlgTextToSpeech dlg;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg)) return false;
            SetDlgItemTextW(dlg.GetSafeHwnd(), IDC_TTS_TEXT, L"Say this");
            PostClick(dlg.GetSafeHwnd(), IDC_TTS_SPEAK);
            return true;
        })
        .Then([&] { return !m_system.Spoken().empty(); })
        .Wait(300)
        .Then([&] {
            EXPECT_FALSE(FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd())) << "no message box";
            PostKey(GetDlgItem(dlg.GetSafeHwnd(), IDC_TTS_TEXT), VK_ESCAPE);
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    ASSERT_EQ(1u, m_system.Spoken().size());
    EXPECT_EQ(L"Say this", m_system.Spoken()[0].text);
    EXPECT_EQ(GetCurrentThreadId(), m_system.Spoken()[0].threadId);
    EXPECT_EQ(L"Say this", StoredText());
}

TEST_F(TextToSpeechTool, EnterInTheTextMakesANewLineInsteadOfClosing)
{
    CDlgTextToSpeech dlg;
    std::wstring text;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg)) return false;
            HWND edit = GetDlgItem(dlg.GetSafeHwnd(), IDC_TTS_TEXT);
            SetFocus(edit);
            SetWindowTextW(edit, L"one");
            SendMessageW(edit, EM_SETSEL, 3, 3);
            PostKey(edit, VK_RETURN);
            return true;
        })
        .Wait(300)
        .Then([&] {
            text = ControlText(dlg.GetSafeHwnd(), IDC_TTS_TEXT);
            PostMessageW(dlg.GetSafeHwnd(), WM_CLOSE, 0, 0);
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"one\r\n", text);
}

// "Text to .wav" through the real save-file dialog: the chosen name, what
// is converted, and what is played.
class TextToWave : public TextToSpeechTool {
protected:
    // Runs the tool: types `text`, sets "&Play After Conversion" to `play`,
    // presses "Text to .wav", types `fileName` into the save-file dialog (an
    // empty name cancels it) and then closes the tool with Escape. Returns
    // the text of the message box that came up, if any.
    std::wstring Convert(const std::wstring& text, bool play, const std::wstring& fileName)
    {
        CDlgTextToSpeech dlg;
        std::wstring message;
        CModalScript script(20000);
        script.Then([&] {
                if (!Up(dlg)) return false;
                HWND hwnd = dlg.GetSafeHwnd();
                SetDlgItemTextW(hwnd, IDC_TTS_TEXT, text.c_str());
                CheckDlgButton(hwnd, IDC_TTS_PLAY_AFTER, play ? BST_CHECKED : BST_UNCHECKED);
                PostClick(hwnd, IDC_TTS_TO_WAV);
                return true;
            })
            .Then([&] {
                HWND save = FindSaveDialog(dlg.GetSafeHwnd());
                if (!save) return false;
                m_filters = ComboItems(GetDlgItem(save, cmb1));
                if (fileName.empty())
                    PostMessageW(save, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                else
                    ChooseFileName(save, fileName);
                return true;
            })
            .Then([&] { return !FindSaveDialog(dlg.GetSafeHwnd()); })
            .Wait(300)
            .Then([&] {
                if (HWND box = FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd())) {
                    message = MessageBoxText(box);
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    return false;  // again, once the box is gone
                }
                PostKey(GetDlgItem(dlg.GetSafeHwnd(), IDC_TTS_TEXT), VK_ESCAPE);
                return true;
            });
        EXPECT_EQ(IDCANCEL, Run(dlg, script));
        return message;
    }

    static std::vector<std::wstring> ComboItems(HWND combo)
    {
        std::vector<std::wstring> items;
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::wstring item(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
            item.resize(item.size() - 1);
            items.push_back(item);
        }
        return items;
    }

    // What the save-file dialog showed.
    std::vector<std::wstring> m_filters;
};

TEST_F(TextToWave, ANameWithoutExtensionGetsWavAndTheFileIsPlayed)
{
    const std::wstring base = TempFolder() + L"umbrix_tts_clip";
    EXPECT_EQ(L"", Convert(L"Hello world", true, base));

    ASSERT_EQ(1u, m_system.WaveFiles().size());
    const std::wstring path = m_system.WaveFiles()[0].path;
    EXPECT_EQ(L"Hello world", m_system.WaveFiles()[0].text);
    EXPECT_EQ(base + L".wav", path);
    ASSERT_EQ(1u, m_system.Executed().size());
    EXPECT_EQ(L"Open", m_system.Executed()[0].verb);
    EXPECT_EQ(path, m_system.Executed()[0].file);
    EXPECT_EQ(L"", m_system.Executed()[0].parameters);
    EXPECT_EQ(SW_SHOW, m_system.Executed()[0].show);
    EXPECT_EQ(L"<none>", StoredText()) << "this button does not store the text";
    EXPECT_EQ(std::vector<std::wstring>{L"Wav files"}, m_filters);
}

TEST_F(TextToWave, ANameEndingInWavInAnyCaseIsKeptAndNothingIsPlayedWhenPlayingIsOff)
{
    const std::wstring name = TempFolder() + L"umbrix_tts_clip.WaV";
    EXPECT_EQ(L"", Convert(L"Hi", false, name));
    ASSERT_EQ(1u, m_system.WaveFiles().size());
    EXPECT_EQ(name, m_system.WaveFiles()[0].path);
    EXPECT_TRUE(m_system.Executed().empty());
}

TEST_F(TextToWave, AFailedConversionIsReportedAndNothingIsPlayed)
{
    m_system.m_waveResult = false;
    EXPECT_EQ(L"Failed to convert text to .wav file", Convert(L"Hi", true, TempFolder() + L"umbrix_tts_failed"));
    EXPECT_EQ(1u, m_system.WaveFiles().size());
    EXPECT_TRUE(m_system.Executed().empty());
}

TEST_F(TextToWave, CancellingTheSaveDialogConvertsNothing)
{
    EXPECT_EQ(L"", Convert(L"Hi", true, L""));
    EXPECT_TRUE(m_system.WaveFiles().empty());
    EXPECT_TRUE(m_system.Executed().empty());
}

// The name is checked after ".wav" was appended: an existing clip.wav is
// replaced only when the user says so; "No" asks for another name.
TEST_F(TextToWave, AnExistingFileIsReplacedOnlyAfterTheUserAgrees)
{
    const std::wstring base = TempFolder() + L"umbrix_tts_existing";
    const std::wstring path = base + L".wav";
    for (const int answer : {IDNO, IDYES}) {
        std::ofstream(path.c_str()) << "keep";
        const size_t convertedBefore = m_system.WaveFiles().size();
        CDlgTextToSpeech dlg;
        std::wstring question;
        bool askedAgain = false;
        CModalScript script(20000);
        script.Then([&] {
                if (!Up(dlg)) return false;
                CheckDlgButton(dlg.GetSafeHwnd(), IDC_TTS_PLAY_AFTER, BST_UNCHECKED);
                PostClick(dlg.GetSafeHwnd(), IDC_TTS_TO_WAV);
                return true;
            })
            .Then([&] {
                HWND save = FindSaveDialog(dlg.GetSafeHwnd());
                if (!save) return false;
                ChooseFileName(save, base);
                return true;
            })
            .Then([&] {
                HWND box = FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd());
                if (!box || FindSaveDialog(dlg.GetSafeHwnd())) return false;
                question = MessageBoxText(box);
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
                return true;
            })
            .Wait(300)
            .Then([&] {
                if (HWND save = FindSaveDialog(dlg.GetSafeHwnd())) {
                    askedAgain = true;
                    PostMessageW(save, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                    return false;
                }
                PostKey(GetDlgItem(dlg.GetSafeHwnd(), IDC_TTS_TEXT), VK_ESCAPE);
                return true;
            });
        EXPECT_EQ(IDCANCEL, Run(dlg, script));
        EXPECT_EQ(path + L" already exists.\nDo you want to replace it?", question);
        EXPECT_EQ(answer == IDNO, askedAgain) << answer;
        EXPECT_EQ(answer == IDYES ? 1u : 0u, m_system.WaveFiles().size() - convertedBefore) << answer;
        std::ifstream kept(path.c_str());
        std::string content;
        kept >> content;
        EXPECT_EQ("keep", content) << "the recording system writes nothing";
    }
    DeleteFileW(path.c_str());
}

TEST_F(TextToWave, WithTheRealSpeechApiEitherTheFileIsWrittenOrTheFailureIsReported)
{
    if (GetEnvironmentVariableW(L"UMBRIX_JOURNAL", nullptr, 0) != 0) GTEST_SKIP() << "speech is journalled";
    SetSystemForTesting(nullptr);
    const std::wstring path = TempFolder() + L"umbrix_tts_real.wav";
    DeleteFileW(path.c_str());

    const std::wstring message = Convert(L"Hello", false, path);
    // Under Wine there is no speech engine, so this is the failure branch.
    if (message.empty()) {
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
        DeleteFileW(path.c_str());
    } else {
        EXPECT_EQ(L"Failed to convert text to .wav file", message);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
    }
}

}  // namespace
