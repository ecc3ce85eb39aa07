#pragma once
// The per-user settings store: sections of named 32-bit integers and texts.
// Portable; the registry-backed implementation lives in framework/registry_store.h.
#include <string>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // Returns the stored integer, or `def` when the value or its section is
    // missing or is not a 32-bit integer.
    virtual int ReadInt(const std::wstring& section, const std::wstring& name, int def) = 0;
    // Returns the stored text, or `def` when the value is missing or is not text.
    virtual std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                                    const std::wstring& def) = 0;
    // Both create the section when needed and report whether the write succeeded.
    virtual bool WriteInt(const std::wstring& section, const std::wstring& name, int value) = 0;
    virtual bool WriteString(const std::wstring& section, const std::wstring& name,
                             const std::wstring& value) = 0;
};

// The section that holds nearly every value.
inline constexpr const wchar_t* kSettingsSection = L"Settings";
