#include "framework/ini_store.h"

#include <cstring>
#include <string>
#include <utility>

#include "framework/win_text.h"

namespace {
bool SameStamp(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b)
{
    return CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0 && a.nFileSizeHigh == b.nFileSizeHigh &&
           a.nFileSizeLow == b.nFileSizeLow;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 64 * 1024 * 1024;
    if (ok) {
        bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        ok = bytes.empty() || (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) != 0);
        bytes.resize(read);
    }
    CloseHandle(file);
    return ok;
}

std::wstring FromCodePage(UINT codePage, const char* data, std::size_t size)
{
    if (size == 0) return std::wstring();
    const int length = MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), &text[0], length);
    return text;
}

// The text of the file's bytes; `utf16` tells whether they were UTF-16LE.
std::wstring DecodeSettingsFile(const std::string& bytes, bool& utf16)
{
    utf16 = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
    if (utf16) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        if (!text.empty()) memcpy(&text[0], bytes.data() + 2, text.size() * sizeof(wchar_t));
        return text;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return FromCodePage(CP_UTF8, bytes.data() + 3, bytes.size() - 3);
    // An empty file counts as UTF-16: there is nothing to convert.
    utf16 = bytes.empty();
    return FromCodePage(CP_ACP, bytes.data(), bytes.size());
}

std::wstring TemporaryPathFor(const std::wstring& path)
{
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
}

// Whether the file can be replaced: it is not read-only, it can be opened
// for writing (opening changes nothing) and a new file can be made beside it.
bool CanReplace(const std::wstring& path)
{
    // Asked outright: Windows refuses to replace a read-only file, but Wine
    // run by root takes only the kernel's word, which lets root write.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    } else {
        CloseHandle(file);
    }
    HANDLE probe = CreateFileW(TemporaryPathFor(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    return true;
}
}  // namespace

CIniSettingsStore::CIniSettingsStore(std::wstring path) : m_path(std::move(path)), m_writable(CanReplace(m_path)) {}

const CIniText& CIniSettingsStore::Current()
{
    WIN32_FILE_ATTRIBUTE_DATA stamp{};
    if (!GetFileAttributesExW(m_path.c_str(), GetFileExInfoStandard, &stamp)) {
        // Gone or unreadable for the moment: defaults, and a write makes it anew.
        m_text = CIniText();
        m_utf16 = true;
        m_loaded = false;
        return m_text;
    }
    if (m_loaded && SameStamp(stamp, m_stamp)) return m_text;
    std::string bytes;
    if (!ReadWholeFile(m_path, bytes)) {
        m_text = CIniText();
        m_loaded = false;
        return m_text;
    }
    m_text = CIniText(DecodeSettingsFile(bytes, m_utf16));
    m_stamp = stamp;
    m_loaded = true;
    return m_text;
}

int CIniSettingsStore::ReadInt(const std::wstring& section, const std::wstring& name, int def)
{
    const auto text = Current().Get(section, name);
    if (!text) return def;
    const auto value = ParseIniInt(*text);
    return value ? *value : def;
}

std::wstring CIniSettingsStore::ReadString(const std::wstring& section, const std::wstring& name,
                                           const std::wstring& def)
{
    const auto value = Current().Get(section, name);
    return value ? *value : def;
}

bool CIniSettingsStore::WriteInt(const std::wstring& section, const std::wstring& name, int value)
{
    return Put(section, name, std::to_wstring(value));
}

bool CIniSettingsStore::WriteString(const std::wstring& section, const std::wstring& name,
                                    const std::wstring& value)
{
    return Put(section, name, value);
}

bool CIniSettingsStore::Put(const std::wstring& section, const std::wstring& name, const std::wstring& value)
{
    if (!m_writable) return false;
    CIniText text = Current();
    // A file that already says so is left alone: starts write some values
    // every time, and rewriting an unchanged file only wears the medium.
    if (m_loaded && m_utf16 && text.Get(section, name) == value) return true;
    // A file that could not be read now must not be replaced by one that
    // holds only this value.
    if (!m_loaded && GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    text.Set(section, name, value);
    return Save(text);
}

bool CIniSettingsStore::Save(const CIniText& text)
{
    const std::wstring content = L"\xFEFF" + text.Text();
    const std::wstring temporary = TemporaryPathFor(m_path);
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD bytes = static_cast<DWORD>(content.size() * sizeof(wchar_t));
    DWORD written = 0;
    bool ok = WriteFile(file, content.data(), bytes, &written, nullptr) && written == bytes;
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    // The old file is replaced only by a complete new one.
    ok = ok && MoveFileExW(temporary.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    m_text = text;
    m_utf16 = true;
    m_loaded = GetFileAttributesExW(m_path.c_str(), GetFileExInfoStandard, &m_stamp) != 0;
    return true;
}

std::wstring PortableSettingsPath(const std::wstring& appName)
{
    const std::wstring path = GetProgramFolder() + L"\\" + appName + L"-settings.ini";
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::wstring();
    return path;
}
