#include "framework/registry_store.h"

#include <utility>
#include <vector>

LONG CRegKey::Open(HKEY parent, const std::wstring& path, REGSAM access)
{
    Close();
    return RegOpenKeyExW(parent, path.c_str(), 0, access, &m_key);
}

LONG CRegKey::Create(HKEY parent, const std::wstring& path, REGSAM access)
{
    Close();
    return RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_key,
                           nullptr);
}

void CRegKey::Close()
{
    if (m_key) RegCloseKey(m_key);
    m_key = nullptr;
}

bool QueryRegistryString(HKEY key, const wchar_t* name, std::wstring& value)
{
    if (!key) return false;
    // The value can change size between the two calls; loop until it fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return false;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LONG rc = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
        // Registry strings need not be terminated; stop at the first NUL if any.
        size_t length = size / sizeof(wchar_t);
        if (length > buffer.size()) length = buffer.size();
        size_t end = 0;
        while (end < length && buffer[end] != L'\0') ++end;
        value.assign(buffer.data(), end);
        return true;
    }
    return false;
}

CRegistrySettingsStore::CRegistrySettingsStore(HKEY root, std::wstring basePath)
    : m_root(root), m_basePath(std::move(basePath))
{
}

std::wstring CRegistrySettingsStore::SectionPath(const std::wstring& section) const
{
    return m_basePath + L"\\" + section;
}

int CRegistrySettingsStore::ReadInt(const std::wstring& section, const std::wstring& name, int def)
{
    CRegKey key;
    if (key.Open(m_root, SectionPath(section), KEY_READ) != ERROR_SUCCESS) return def;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return def;
    if (type != REG_DWORD || size != sizeof(value)) return def;
    return static_cast<int>(value);
}

std::wstring CRegistrySettingsStore::ReadString(const std::wstring& section, const std::wstring& name,
                                                const std::wstring& def)
{
    CRegKey key;
    if (key.Open(m_root, SectionPath(section), KEY_READ) != ERROR_SUCCESS) return def;
    std::wstring value;
    return key.QueryString(name.c_str(), value) ? value : def;
}

bool CRegistrySettingsStore::WriteInt(const std::wstring& section, const std::wstring& name, int value)
{
    CRegKey key;
    if (key.Create(m_root, SectionPath(section), KEY_WRITE) != ERROR_SUCCESS) return false;
    const DWORD data = static_cast<DWORD>(value);
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

bool CRegistrySettingsStore::WriteString(const std::wstring& section, const std::wstring& name,
                                         const std::wstring& value)
{
    CRegKey key;
    if (key.Create(m_root, SectionPath(section), KEY_WRITE) != ERROR_SUCCESS) return false;
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          bytes) == ERROR_SUCCESS;
}
