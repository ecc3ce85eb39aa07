#pragma once
// The settings store in a file: the sections and names of the registry
// store as "[section]" and "name=value" lines, integers in decimal. The file
// is UTF-16LE with a byte-order mark, which is also what lets the Windows
// profile functions keep non-ASCII text in it. A file in another encoding
// (edited in an ANSI editor) is read as ANSI, or as UTF-8 after a UTF-8
// byte-order mark, and rewritten as UTF-16LE at the next write.
#include <windows.h>

#include <string>

#include "framework/ini_text.h"
#include "framework/settings_store.h"

class CIniSettingsStore final : public ISettingsStore {
public:
    // `path` is the full path of the file; it need not exist yet. Whether
    // it can be written is found out here, once.
    explicit CIniSettingsStore(std::wstring path);

    // A value that is missing, or not a 32-bit decimal integer, reads as `def`.
    int ReadInt(const std::wstring& section, const std::wstring& name, int def) override;
    std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                            const std::wstring& def) override;
    // Each write replaces the whole file by way of a new file beside it, so
    // a failed write (disk full, folder gone) leaves the old file whole.
    bool WriteInt(const std::wstring& section, const std::wstring& name, int value) override;
    bool WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) override;

    const std::wstring& Path() const { return m_path; }
    // False when the file or its folder cannot be written: every write then
    // fails at once and the file is never touched.
    bool Writable() const { return m_writable; }

private:
    // The file as it is now: read again only when its size or time changed,
    // so that copies of a program sharing one file see each other's writes.
    const CIniText& Current();
    bool Put(const std::wstring& section, const std::wstring& name, const std::wstring& value);
    bool Save(const CIniText& text);

    std::wstring m_path;
    bool m_writable = false;
    CIniText m_text;
    bool m_loaded = false;
    bool m_utf16 = true;
    WIN32_FILE_ATTRIBUTE_DATA m_stamp{};
};

// "<program folder>\<appName>-settings.ini" when that file exists, else empty.
std::wstring PortableSettingsPath(const std::wstring& appName);
