#pragma once
// The settings store in the registry: <root>\<base path>\<section>\<name>,
// integers as REG_DWORD and texts as REG_SZ. A value of another type (or of
// the wrong size) reads as the caller's default, so a hand-edited value can
// never crash a reader or be taken for a number.
#include <windows.h>

#include <string>

#include "framework/settings_store.h"

class CRegistrySettingsStore final : public ISettingsStore {
public:
    // `basePath` is e.g. L"Software\\Corvane\\Umbrix"; `root` is normally HKEY_CURRENT_USER.
    CRegistrySettingsStore(HKEY root, std::wstring basePath);

    int ReadInt(const std::wstring& section, const std::wstring& name, int def) override;
    std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                            const std::wstring& def) override;
    bool WriteInt(const std::wstring& section, const std::wstring& name, int value) override;
    bool WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) override;

    const std::wstring& BasePath() const { return m_basePath; }

private:
    std::wstring SectionPath(const std::wstring& section) const;

    HKEY m_root;
    std::wstring m_basePath;
};

// Reads a REG_SZ or REG_EXPAND_SZ value of any length from an open key;
// false when missing or of another type.
bool QueryRegistryString(HKEY key, const wchar_t* name, std::wstring& value);

// Owns an open registry key.
class CRegKey {
public:
    CRegKey() = default;
    explicit CRegKey(HKEY key) : m_key(key) {}
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    LONG Open(HKEY parent, const std::wstring& path, REGSAM access);
    LONG Create(HKEY parent, const std::wstring& path, REGSAM access);
    void Close();
    HKEY Get() const { return m_key; }
    explicit operator bool() const { return m_key != nullptr; }

    bool QueryString(const wchar_t* name, std::wstring& value) const { return QueryRegistryString(m_key, name, value); }

private:
    HKEY m_key = nullptr;
};
