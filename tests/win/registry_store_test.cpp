// The registry-backed settings store against a throw-away key; what every
// store must do also against the settings file.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "framework/ini_store.h"
#include "framework/registry_store.h"
#include "win/test_app.h"

namespace {

class RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestProfileKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestProfileKey); }

    // Writes a raw value of any type under <test key>\Settings.
    static void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        CRegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, std::wstring(kTestProfileKey) + L"\\Settings", KEY_WRITE),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }

    CRegistrySettingsStore m_store{HKEY_CURRENT_USER, kTestProfileKey};
};

TEST_F(RegistryStoreTest, FreshUserReadsDefaultsAndFirstWriteCreatesTheBranch)
{
    EXPECT_EQ(m_store.ReadInt(L"Settings", L"IdleUBXMins", 10), 10);
    EXPECT_EQ(m_store.ReadString(L"Settings", L"AlertTextIdle", L"Turning Monitor Off Now"),
              L"Turning Monitor Off Now");

    ASSERT_TRUE(m_store.WriteInt(L"Tip", L"FilePos", 42));
    EXPECT_EQ(m_store.ReadInt(L"Tip", L"FilePos", 0), 42);
    CRegKey section;
    EXPECT_EQ(section.Open(HKEY_CURRENT_USER, std::wstring(kTestProfileKey) + L"\\Tip", KEY_READ), ERROR_SUCCESS);
}

TEST_F(RegistryStoreTest, IntegersAreDwordsAndKeepTheirSign)
{
    ASSERT_TRUE(m_store.WriteInt(L"Settings", L"CursorLocationForAction", -1));
    EXPECT_EQ(m_store.ReadInt(L"Settings", L"CursorLocationForAction", 7), -1);

    CRegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, std::wstring(kTestProfileKey) + L"\\Settings", KEY_READ), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof(value);
    ASSERT_EQ(RegQueryValueExW(key.Get(), L"CursorLocationForAction", nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

// The store under test: in the registry or in a settings file.
class SettingsStoreTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        m_file = std::wstring(temp) + L"UmbrixTests-settings.ini";
        TearDown();
        if (GetParam())
            m_store = std::make_unique<CIniSettingsStore>(m_file);
        else
            m_store = std::make_unique<CRegistrySettingsStore>(HKEY_CURRENT_USER, kTestProfileKey);
    }
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestProfileKey);
        DeleteFileW(m_file.c_str());
    }

    std::wstring m_file;
    std::unique_ptr<ISettingsStore> m_store;
};

TEST_P(SettingsStoreTest, TextRoundTripsIncludingNewLinesAndNonAscii)
{
    const std::wstring text = L"Battery Power Low\nZ\u00fcrich \u65e5\u672c";
    ASSERT_TRUE(m_store->WriteString(L"Settings", L"LowPowerText", text));
    EXPECT_EQ(m_store->ReadString(L"Settings", L"LowPowerText", L"x"), text);
    ASSERT_TRUE(m_store->WriteString(L"Settings", L"TextToSpeechText", L""));
    EXPECT_EQ(m_store->ReadString(L"Settings", L"TextToSpeechText", L"default"), L"");
}

TEST_P(SettingsStoreTest, FreshStoreReadsDefaultsAndIntegersKeepTheirSign)
{
    EXPECT_EQ(m_store->ReadInt(L"Tip", L"StartUp", 1), 1);
    EXPECT_EQ(m_store->ReadString(L"Settings", L"AlertTextIdle", L"Turning Monitor Off Now"),
              L"Turning Monitor Off Now");
    ASSERT_TRUE(m_store->WriteInt(L"Settings", L"CursorLocationForAction", -1));
    ASSERT_TRUE(m_store->WriteInt(L"Workspace", L"ApplicationLook", 219));
    EXPECT_EQ(m_store->ReadInt(L"Settings", L"CursorLocationForAction", 7), -1);
    EXPECT_EQ(m_store->ReadInt(L"Workspace", L"ApplicationLook", 0), 219);
    EXPECT_EQ(m_store->ReadString(L"Workspace", L"Missing", L"d"), L"d");
}

// An empty prefix keeps the names "SettingsStoreTest.X/N", which the
// per-file test filter of the build matches.
INSTANTIATE_TEST_SUITE_P(, SettingsStoreTest, testing::Values(false, true));

TEST_F(RegistryStoreTest, ValuesOfTheWrongTypeReadAsTheDefault)
{
    const wchar_t text[] = L"0";
    PutRaw(L"AllowWakeUpWithMouse", REG_SZ, text, sizeof(text));
    EXPECT_EQ(m_store.ReadInt(L"Settings", L"AllowWakeUpWithMouse", 1), 1);

    const unsigned long long wide = 5;
    PutRaw(L"IdleUBXMins", REG_QWORD, &wide, sizeof(wide));
    EXPECT_EQ(m_store.ReadInt(L"Settings", L"IdleUBXMins", 10), 10);

    const BYTE shortDword[2] = {1, 0};
    PutRaw(L"SysTray", REG_BINARY, shortDword, sizeof(shortDword));
    EXPECT_EQ(m_store.ReadInt(L"Settings", L"SysTray", 1), 1);

    const DWORD number = 3;
    PutRaw(L"AlertTextScr", REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(m_store.ReadString(L"Settings", L"AlertTextScr", L"Starting ScreenSaver Now"),
              L"Starting ScreenSaver Now");
}

TEST_F(RegistryStoreTest, UnterminatedAndOddSizedTextIsReadSafely)
{
    const wchar_t raw[] = {L'a', L'b', L'c'};  // no terminating NUL
    PutRaw(L"SystemTrayIconFile", REG_SZ, raw, sizeof(raw));
    EXPECT_EQ(m_store.ReadString(L"Settings", L"SystemTrayIconFile", L""), L"abc");

    const BYTE odd[3] = {'x', 0, 'y'};  // half a character at the end
    PutRaw(L"AlertTextIdle", REG_SZ, odd, sizeof(odd));
    EXPECT_EQ(m_store.ReadString(L"Settings", L"AlertTextIdle", L""), L"x");
}

TEST_F(RegistryStoreTest, LongTextIsReadInFull)
{
    const std::wstring path(5000, L'p');
    PutRaw(L"SCRNSAVE.EXE", REG_SZ, path.c_str(), static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    CRegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, std::wstring(kTestProfileKey) + L"\\Settings", KEY_READ), ERROR_SUCCESS);
    std::wstring value;
    ASSERT_TRUE(key.QueryString(L"SCRNSAVE.EXE", value));
    EXPECT_EQ(value, path);
}

}  // namespace
