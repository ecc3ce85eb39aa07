#include "actions/speech_win.h"

#include <objbase.h>
#include <sapi.h>

#include "actions/system_requests.h"
#include "framework/app.h"
#include "framework/com_ptr.h"
#include "framework/path_text.h"

namespace {

// The identifiers are spelled out here rather than linked: mingw's libsapi
// lacks the wave-format identifier, and this way neither toolchain needs the
// import library at all.
const CLSID kClsidSpVoice = {0x96749377, 0x3391, 0x11D2, {0x9E, 0xE3, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
const IID kIidISpVoice = {0x6C44DF74, 0x72B9, 0x4992, {0xA1, 0xEC, 0xEF, 0x99, 0x6E, 0x04, 0x22, 0xD4}};
const CLSID kClsidSpStream = {0x715D9C59, 0x4442, 0x11D2, {0x96, 0x05, 0x00, 0xC0, 0x4F, 0x8E, 0xE6, 0x28}};
const IID kIidISpStream = {0x12E3CCA9, 0x7518, 0x44C5, {0xA5, 0xE7, 0xBA, 0x5A, 0x79, 0xCB, 0x92, 0x9E}};
const GUID kWaveFormatExId = {0xC31ADBAE, 0x527F, 0x4FF5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};

// COM for the calling thread. CoInitialize's S_FALSE (already initialised,
// as on the user-interface thread) still has to be balanced.
class CComLibrary {
public:
    CComLibrary() : m_result(CoInitialize(nullptr)) {}
    ~CComLibrary()
    {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    CComLibrary(const CComLibrary&) = delete;
    CComLibrary& operator=(const CComLibrary&) = delete;
    bool Ready() const { return SUCCEEDED(m_result); }

private:
    HRESULT m_result;
};

// The wave-format record in task memory, as SAPI's own helpers allocate it.
class CTaskMemWaveFormat {
public:
    CTaskMemWaveFormat() : m_format(static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof(WAVEFORMATEX))))
    {
        if (m_format) *m_format = MakeSpeechWaveFormat();
    }
    ~CTaskMemWaveFormat() { CoTaskMemFree(m_format); }
    CTaskMemWaveFormat(const CTaskMemWaveFormat&) = delete;
    CTaskMemWaveFormat& operator=(const CTaskMemWaveFormat&) = delete;
    const WAVEFORMATEX* Get() const { return m_format; }

private:
    WAVEFORMATEX* m_format;
};

bool CreateVoice(CComPointer<ISpVoice>& voice)
{
    return SUCCEEDED(CoCreateInstance(kClsidSpVoice, nullptr, CLSCTX_ALL, kIidISpVoice, voice.ReceiveVoid()));
}

}  // namespace

WAVEFORMATEX MakeSpeechWaveFormat()
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = 8000;
    format.nAvgBytesPerSec = 16000;
    format.nBlockAlign = 2;
    format.wBitsPerSample = 16;
    format.cbSize = 0;
    return format;
}

bool SapiSpeakText(const std::wstring& text)
{
    CComLibrary com;
    if (!com.Ready()) return false;
    CComPointer<ISpVoice> voice;
    if (!CreateVoice(voice)) return false;
    // A failed Speak (no engine, no audio device) is deliberately not reported.
    voice->Speak(text.c_str(), SPF_DEFAULT, nullptr);
    return true;
}

bool SapiTextToWaveFile(const std::wstring& path, const std::wstring& text)
{
    CWaitCursor wait;
    CComLibrary com;
    if (!com.Ready()) return false;
    CComPointer<ISpVoice> voice;
    if (!CreateVoice(voice)) return false;
    CComPointer<ISpStream> stream;
    if (FAILED(CoCreateInstance(kClsidSpStream, nullptr, CLSCTX_ALL, kIidISpStream, stream.ReceiveVoid())))
        return false;
    return WriteSpeechWaveFile(*stream.Get(), path, [&voice, &text](ISpStream& output) {
        const HRESULT result = voice->SetOutput(&output, TRUE);
        if (FAILED(result)) return result;
        return voice->Speak(text.c_str(), SPF_DEFAULT, nullptr);
    });
}

namespace {

// A new, empty file with a unique name in the folder of `path`; empty when
// none can be made there (the folder is missing or not writable).
std::wstring TemporaryFileBeside(const std::wstring& path)
{
    std::wstring folder = FolderOfPath(path);
    if (folder.empty()) folder = path.size() > 1 && path[1] == L':' ? path.substr(0, 2) : L".";
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    wchar_t name[MAX_PATH] = {};
    if (!GetTempFileNameW(folder.c_str(), L"ubx", 0, name)) return {};
    return name;
}

}  // namespace

bool WriteSpeechWaveFile(ISpStream& stream, const std::wstring& path,
                         const std::function<HRESULT(ISpStream&)>& speakInto)
{
    CTaskMemWaveFormat format;
    if (!format.Get()) return false;

    // The speech goes into a file of its own beside the target, which takes
    // the target's place only once the conversion has worked: a failure never
    // destroys a file that was there, and the same folder keeps the move a
    // rename.
    const std::wstring temporary = TemporaryFileBeside(path);
    if (temporary.empty()) return false;
    if (FAILED(stream.BindToFile(temporary.c_str(), SPFM_CREATE_ALWAYS, &kWaveFormatExId, format.Get(),
                                 SPFEI_ALL_EVENTS))) {
        DeleteFileW(temporary.c_str());
        return false;
    }

    // When the speech cannot be put into the file (no engine, no voice
    // output) what it holds is a header without samples: no conversion.
    const bool spoken = SUCCEEDED(speakInto(stream));
    const bool closed = SUCCEEDED(stream.Close());
    if (spoken && closed && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

bool SpeakText(const std::wstring& text)
{
    return System().SpeakText(text);
}

bool TextToWaveFile(const std::wstring& path, const std::wstring& text)
{
    return System().TextToWaveFile(path, text);
}
