#include "actions/speech_win.h"

#include <objbase.h>
#include <sapi.h>

#include "actions/system_requests.h"
#include "framework/app.h"
#include "framework/com_ptr.h"

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

bool WriteSpeechWaveFile(ISpStream& stream, const std::wstring& path,
                         const std::function<HRESULT(ISpStream&)>& speakInto)
{
    CTaskMemWaveFormat format;
    if (!format.Get()) return false;
    if (FAILED(stream.BindToFile(path.c_str(), SPFM_CREATE_ALWAYS, &kWaveFormatExId, format.Get(),
                                 SPFEI_ALL_EVENTS)))
        return false;

    // From here the file exists. When the speech cannot be put into it (no
    // engine, no voice output) what remains is a header without samples; it
    // is deleted rather than reported as a finished conversion.
    const bool spoken = SUCCEEDED(speakInto(stream));
    const bool closed = SUCCEEDED(stream.Close());
    if (spoken && closed) return true;
    DeleteFileW(path.c_str());
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
