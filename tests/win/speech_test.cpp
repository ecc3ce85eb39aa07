// SAPI speech under Wine, where the voice object exists but has no engine:
// Speak fails there, which is exactly the case the file conversion must not
// report as success.
#include <windows.h>
#include <objbase.h>
#include <sapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "actions/speech_win.h"
#include "win/recording_system.h"

namespace {

std::wstring TempFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, buffer);
    return buffer;
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<unsigned char> ReadAll(const std::wstring& path)
{
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

// Runs `body` on a new thread and waits for it.
void OnNewThread(const std::function<void()>& body)
{
    std::thread(body).join();
}

// A file stream that records how it was bound and really creates the file,
// as SAPI's own stream does, so the deletion of a failed conversion shows.
class CFakeFileStream final : public ISpStream {
public:
    std::wstring m_path;
    SPFILEMODE m_mode = SPFM_NUM_MODES;
    GUID m_formatId{};
    WAVEFORMATEX m_format{};
    ULONGLONG m_eventInterest = 0;
    bool m_failBind = false;
    int m_closes = 0;

    HRESULT STDMETHODCALLTYPE BindToFile(LPCWSTR fileName, SPFILEMODE mode, const GUID* formatId,
                                         const WAVEFORMATEX* format, ULONGLONG eventInterest) override
    {
        m_path = fileName;
        m_mode = mode;
        m_formatId = *formatId;
        std::memcpy(&m_format, format, sizeof(WAVEFORMATEX));
        m_eventInterest = eventInterest;
        if (m_failBind) return E_ACCESSDENIED;
        m_file = CreateFileW(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        const char header[] = "RIFF";
        DWORD written = 0;
        WriteFile(m_file, header, 4, &written, nullptr);
        return m_file == INVALID_HANDLE_VALUE ? E_FAIL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Close() override
    {
        ++m_closes;
        if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFormat(GUID*, WAVEFORMATEX**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetBaseStream(IStream*, REFGUID, const WAVEFORMATEX*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBaseStream(IStream**) override { return E_NOTIMPL; }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

TEST(WriteSpeechWaveFile, BindsTheFileAsMonoPcm8000Hz16BitAndKeepsItWhenTheSpeechWentIn)
{
    const std::wstring path = TempFolder() + L"umbrix_fake_stream.wav";
    CFakeFileStream stream;
    ISpStream* spokenInto = nullptr;
    EXPECT_TRUE(WriteSpeechWaveFile(stream, path, [&](ISpStream& output) {
        spokenInto = &output;
        return S_OK;
    }));

    // Bound to a file of its own in the same folder, which then took the
    // chosen name.
    EXPECT_NE(path, stream.m_path);
    EXPECT_EQ(0u, stream.m_path.rfind(TempFolder(), 0)) << "in the folder of the chosen name";
    EXPECT_FALSE(FileExists(stream.m_path));
    EXPECT_EQ(SPFM_CREATE_ALWAYS, stream.m_mode);
    const GUID waveFormatEx = {0xC31ADBAE, 0x527F, 0x4FF5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};
    EXPECT_TRUE(IsEqualGUID(waveFormatEx, stream.m_formatId));
    EXPECT_EQ(1, stream.m_format.wFormatTag);
    EXPECT_EQ(1, stream.m_format.nChannels);
    EXPECT_EQ(8000u, stream.m_format.nSamplesPerSec);
    EXPECT_EQ(16000u, stream.m_format.nAvgBytesPerSec);
    EXPECT_EQ(2, stream.m_format.nBlockAlign);
    EXPECT_EQ(16, stream.m_format.wBitsPerSample);
    EXPECT_EQ(0, stream.m_format.cbSize);
    EXPECT_EQ(SPFEI_ALL_EVENTS, stream.m_eventInterest);
    EXPECT_EQ(&stream, spokenInto);
    EXPECT_EQ(1, stream.m_closes);
    EXPECT_TRUE(FileExists(path));
    DeleteFileW(path.c_str());
}

TEST(WriteSpeechWaveFile, AFailedConversionLeavesNothingNewAndAnExistingFileAsItWas)
{
    const std::wstring path = TempFolder() + L"umbrix_fake_stream_failed.wav";
    for (const bool existed : {false, true}) {
        DeleteFileW(path.c_str());
        if (existed) std::ofstream(path.c_str()) << "keep";
        CFakeFileStream stream;
        EXPECT_FALSE(WriteSpeechWaveFile(stream, path, [](ISpStream&) { return E_NOTIMPL; }));
        EXPECT_EQ(1, stream.m_closes);
        EXPECT_FALSE(FileExists(stream.m_path)) << "the temporary file is gone";
        EXPECT_EQ(existed, FileExists(path));
        if (existed) {
            const std::vector<unsigned char> bytes = ReadAll(path);
            EXPECT_EQ("keep", std::string(bytes.begin(), bytes.end()));
        }
    }
    DeleteFileW(path.c_str());
}

TEST(WriteSpeechWaveFile, LeavesAnExistingFileAloneWhenBindingFails)
{
    const std::wstring path = TempFolder() + L"umbrix_fake_stream_locked.wav";
    std::ofstream(path.c_str()) << "keep";
    CFakeFileStream stream;
    stream.m_failBind = true;
    bool spoke = false;
    EXPECT_FALSE(WriteSpeechWaveFile(stream, path, [&](ISpStream&) {
        spoke = true;
        return S_OK;
    }));
    EXPECT_FALSE(spoke);
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(stream.m_path));
    DeleteFileW(path.c_str());
}

TEST(SpeechWaveFormat, IsTheEighteenByteRecordOfMonoPcm8000Hz16Bit)
{
    static_assert(sizeof(WAVEFORMATEX) == 18, "the record handed to the stream is 18 bytes");
    const WAVEFORMATEX format = MakeSpeechWaveFormat();
    EXPECT_EQ(1, format.wFormatTag);
    EXPECT_EQ(1, format.nChannels);
    EXPECT_EQ(8000u, format.nSamplesPerSec);
    EXPECT_EQ(16000u, format.nAvgBytesPerSec);
    EXPECT_EQ(2, format.nBlockAlign);
    EXPECT_EQ(16, format.wBitsPerSample);
    EXPECT_EQ(0, format.cbSize);
}

TEST(SapiSpeakText, ReportsTheVoiceNotTheSpeechAndLeavesTheThreadAsItFoundIt)
{
    // Under Wine Speak fails with E_NOTIMPL; the voice exists, so the answer is true.
    bool spoke = false;
    HRESULT afterwards = E_FAIL;
    OnNewThread([&] {
        spoke = SapiSpeakText(L"");
        // COM was released again: this thread can still choose its apartment.
        afterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards)) CoUninitialize();
    });
    EXPECT_TRUE(spoke);
    EXPECT_EQ(S_OK, afterwards);

    // On a thread that already has COM (the user-interface thread) its own
    // initialisation stays in force.
    EXPECT_TRUE(SapiSpeakText(L"Starting ScreenSaver Now"));
    const HRESULT probe = CoInitialize(nullptr);
    EXPECT_EQ(S_FALSE, probe);
    if (SUCCEEDED(probe)) CoUninitialize();
}

TEST(SapiSpeakText, FailsOnAThreadWhoseComApartmentDoesNotFit)
{
    bool spoke = true;
    OnNewThread([&] {
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        spoke = SapiSpeakText(L"Turning Monitor Off Now");
        CoUninitialize();
    });
    EXPECT_FALSE(spoke);
}

TEST(SapiTextToWaveFile, WritesAWholePcmFileOrLeavesNothingBehind)
{
    const std::wstring path = TempFolder() + L"umbrix_speech_test.wav";
    DeleteFileW(path.c_str());

    if (SapiTextToWaveFile(path, L"Hello")) {
        // A machine with a speech engine: the header carries the format asked for.
        const std::vector<unsigned char> bytes = ReadAll(path);
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(0, std::memcmp(bytes.data(), "RIFF", 4));
        EXPECT_EQ(0, std::memcmp(bytes.data() + 8, "WAVEfmt ", 8));
        WAVEFORMATEX written{};
        std::memcpy(&written, bytes.data() + 20, 16);
        EXPECT_EQ(1, written.wFormatTag);
        EXPECT_EQ(1, written.nChannels);
        EXPECT_EQ(8000u, written.nSamplesPerSec);
        EXPECT_EQ(16, written.wBitsPerSample);
        DeleteFileW(path.c_str());
    } else {
        // No engine (Wine): no half-written file may stay behind.
        EXPECT_FALSE(FileExists(path));
    }
}

TEST(SapiTextToWaveFile, FailsForAFolderThatDoesNotExist)
{
    const std::wstring folder = TempFolder() + L"umbrix_no_such_folder";
    RemoveDirectoryW(folder.c_str());
    EXPECT_FALSE(SapiTextToWaveFile(folder + L"\\out.wav", L"Hello"));
    EXPECT_FALSE(FileExists(folder));
}

TEST(SpeechRequests, GoThroughTheSystemInterface)
{
    CRecordingSystem system;
    system.m_speakResult = false;
    system.m_waveResult = false;
    CSystemOverride installed(system);

    EXPECT_FALSE(SpeakText(L"Low Battery"));
    EXPECT_FALSE(TextToWaveFile(L"C:\\a.wav", L"Hi"));
    ASSERT_EQ(1u, system.Spoken().size());
    EXPECT_EQ(L"Low Battery", system.Spoken()[0].text);
    ASSERT_EQ(1u, system.WaveFiles().size());
    EXPECT_EQ(L"C:\\a.wav", system.WaveFiles()[0].path);
    EXPECT_EQ(L"Hi", system.WaveFiles()[0].text);
}

}  // namespace
