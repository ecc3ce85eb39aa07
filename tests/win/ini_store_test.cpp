// The settings store in a file beside the program, in a folder of its own.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "framework/ini_store.h"

namespace {

class IniStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        m_folder = std::wstring(temp) + L"umbrix ini store \u00e9";
        Clean();
        ASSERT_TRUE(CreateDirectoryW(m_folder.c_str(), nullptr));
        m_path = m_folder + L"\\Umbrix-settings.ini";
    }
    void TearDown() override { Clean(); }

    void Clean()
    {
        SetFileAttributesW((m_folder + L"\\Umbrix-settings.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((m_folder + L"\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do DeleteFileW((m_folder + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(m_folder.c_str());
    }

    void PutBytes(const std::string& bytes)
    {
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string Bytes() const
    {
        std::string bytes;
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read) bytes.append(buffer, read);
        CloseHandle(file);
        return bytes;
    }
    static std::string Utf16(const std::wstring& text)
    {
        const std::wstring withBom = L"\xFEFF" + text;
        return std::string(reinterpret_cast<const char*>(withBom.data()), withBom.size() * sizeof(wchar_t));
    }

    std::wstring m_folder;
    std::wstring m_path;
};

TEST_F(IniStoreTest, ValuesOfTheWrongTypeOrRangeReadAsTheDefault)
{
    PutBytes(Utf16(L"[Settings]\r\nIdleUBXMins=ten\r\nSysTray=\r\nKey=4294967296\r\nMod=0x4\r\n"
                   L"CursorLocationForAction=-1\r\nAlertTextScr=\r\n"));
    CIniSettingsStore store(m_path);
    EXPECT_EQ(store.ReadInt(L"Settings", L"IdleUBXMins", 10), 10);
    EXPECT_EQ(store.ReadInt(L"Settings", L"SysTray", 1), 1);
    EXPECT_EQ(store.ReadInt(L"Settings", L"Key", 0), 0);
    EXPECT_EQ(store.ReadInt(L"Settings", L"Mod", 0), 0);
    EXPECT_EQ(store.ReadInt(L"Settings", L"CursorLocationForAction", 7), -1);
    EXPECT_EQ(store.ReadString(L"Settings", L"AlertTextScr", L"Starting ScreenSaver Now"), L"");
    EXPECT_EQ(store.ReadString(L"Settings", L"AlertTextIdle", L"Turning Monitor Off Now"), L"Turning Monitor Off Now");
}

TEST_F(IniStoreTest, WritesUtf16WithByteOrderMarkAndSeesOtherCopiesWrites)
{
    PutBytes(Utf16(L""));  // as shipped
    CIniSettingsStore store(m_path);
    ASSERT_TRUE(store.Writable());
    ASSERT_TRUE(store.WriteString(L"Settings", L"SystemTrayIconFile", L"D:\\Ic\u00f4nes\\tray.ico"));
    ASSERT_TRUE(store.WriteInt(L"Tip", L"FilePos", -5));
    EXPECT_EQ(Bytes(), Utf16(L"[Settings]\r\nSystemTrayIconFile=D:\\Ic\u00f4nes\\tray.ico\r\n\r\n[Tip]\r\nFilePos=-5\r\n"));

    // A second copy of the program sharing the file.
    CIniSettingsStore other(m_path);
    ASSERT_TRUE(other.WriteInt(L"Settings", L"SysTray", 0));
    EXPECT_EQ(store.ReadInt(L"Settings", L"SysTray", 1), 0);
    EXPECT_EQ(store.ReadInt(L"Tip", L"FilePos", 0), -5);
    wchar_t profile[64] = {};
    GetPrivateProfileStringW(L"Settings", L"SystemTrayIconFile", L"", profile, 64, m_path.c_str());
    EXPECT_EQ(std::wstring(profile), L"D:\\Ic\u00f4nes\\tray.ico") << "the profile functions read it too";
}

TEST_F(IniStoreTest, AnsiFileIsReadAsAnsiAndRewrittenAsUtf16)
{
    const std::wstring alert = L"\u00c9cran \u00e9teint";
    char ansi[64] = {};
    WideCharToMultiByte(CP_ACP, 0, alert.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
    PutBytes(std::string("; edited\r\n[Settings]\r\nAlertTextIdle=") + ansi + "\r\nIdleUBXMins=3\r\n");
    CIniSettingsStore store(m_path);
    EXPECT_EQ(store.ReadString(L"Settings", L"AlertTextIdle", L""), alert);
    ASSERT_TRUE(store.WriteInt(L"Settings", L"IdleUBXMins", 3));  // unchanged, still rewritten
    EXPECT_EQ(Bytes(), Utf16(L"; edited\r\n[Settings]\r\nAlertTextIdle=" + alert + L"\r\nIdleUBXMins=3\r\n"));
}

TEST_F(IniStoreTest, ReadOnlyFileIsReadAndNeverWritten)
{
    const std::string content = Utf16(L"[Settings]\r\nIdleUBXMins=25\r\n");
    PutBytes(content);
    ASSERT_TRUE(SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    CIniSettingsStore store(m_path);
    EXPECT_FALSE(store.Writable());
    EXPECT_EQ(store.ReadInt(L"Settings", L"IdleUBXMins", 10), 25);
    EXPECT_FALSE(store.WriteInt(L"Settings", L"IdleUBXMins", 5));
    EXPECT_FALSE(store.WriteString(L"Settings", L"TextToSpeechText", L"x"));
    EXPECT_EQ(Bytes(), content);
    EXPECT_EQ(store.ReadInt(L"Settings", L"IdleUBXMins", 10), 25);
}

TEST_F(IniStoreTest, FolderThatCannotTakeANewFileIsReadOnly)
{
    PutBytes(Utf16(L"[Settings]\r\nSysTray=0\r\n"));
    // The new file a write would make beside the old one cannot be made:
    // a folder of that name is in the way.
    const std::wstring blocker = m_path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
    CIniSettingsStore store(m_path);
    RemoveDirectoryW(blocker.c_str());
    EXPECT_FALSE(store.Writable());
    EXPECT_EQ(store.ReadInt(L"Settings", L"SysTray", 1), 0);
    EXPECT_FALSE(store.WriteInt(L"Settings", L"SysTray", 1));
    EXPECT_EQ(Bytes(), Utf16(L"[Settings]\r\nSysTray=0\r\n"));
}

}  // namespace
