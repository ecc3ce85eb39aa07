#pragma once
// Speech through SAPI 5: one voice object per request. Both functions may be
// called on any thread; each initialises and releases COM on its own.
#include <windows.h>
#include <mmreg.h>

#include <functional>
#include <string>

struct ISpStream;

// Speaks `text` synchronously with the default voice. False when COM cannot
// be initialised on this thread or the voice object cannot be created; true
// otherwise, whether or not the speech itself succeeded.
bool SapiSpeakText(const std::wstring& text);

// Speaks `text` into `path` (created or replaced) as PCM, mono, 8000 Hz,
// 16 bit, with the wait cursor shown meanwhile. True when the file was
// written; on false no file written by this call is left behind and a file
// that was at `path` is unchanged.
bool SapiTextToWaveFile(const std::wstring& path, const std::wstring& text);

// The 18-byte wave-format record handed to the file stream: PCM, 1 channel,
// 8000 samples/s, 16000 bytes/s, block alignment 2, 16 bits, no extra bytes.
WAVEFORMATEX MakeSpeechWaveFormat();

// The file half of SapiTextToWaveFile: binds `stream` to a new temporary file
// in the folder of `path` with MakeSpeechWaveFormat, lets `speakInto` fill it,
// closes it and moves it to `path`, replacing what was there. When anything
// fails the temporary file is deleted, `path` is untouched and the result is
// false.
bool WriteSpeechWaveFile(ISpStream& stream, const std::wstring& path,
                         const std::function<HRESULT(ISpStream&)>& speakInto);

// The operations the rest of the program calls; they go through System(), so
// the journal sees them.
bool SpeakText(const std::wstring& text);
bool TextToWaveFile(const std::wstring& path, const std::wstring& text);
