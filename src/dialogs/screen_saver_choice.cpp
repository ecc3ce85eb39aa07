#include "dialogs/screen_saver_choice.h"

#include <cwctype>

namespace {

const std::wstring kExtension = L".scr";

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix)
{
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::wstring WithoutScrExtension(const std::wstring& text)
{
    if (text.size() <= kExtension.size()) return text;
    const std::wstring tail = text.substr(text.size() - kExtension.size());
    if (!EqualIgnoringCase(tail, kExtension)) return text;
    return text.substr(0, text.size() - kExtension.size());
}

std::wstring ScreenSaverEntry(const std::wstring& fileName)
{
    if (fileName == L"." || fileName == L"..") return std::wstring();
    return WithoutScrExtension(fileName);
}

std::wstring DefaultScreenSaverLabel(const std::wstring& defaultPath, const std::wstring& systemDir)
{
    std::wstring name = WithoutScrExtension(defaultPath);
    const std::wstring prefix = systemDir + L"\\";
    if (!systemDir.empty())
        for (std::size_t pos = name.find(prefix); pos != std::wstring::npos; pos = name.find(prefix, pos))
            name.erase(pos, prefix.size());
    return L"Default ScreenSaver : " + name;
}

std::wstring DefaultScreenSaverName(const std::wstring& defaultPath, const std::wstring& systemDir)
{
    std::wstring name = WithoutScrExtension(defaultPath);
    const std::wstring prefix = systemDir + L"\\";
    // Windows compares paths without regard to case, and the stored value
    // and the system directory need not agree on it.
    if (!systemDir.empty() && StartsWithIgnoringCase(name, prefix)) name.erase(0, prefix.size());
    return name;
}

std::optional<std::size_t> FindScreenSaverEntry(const std::vector<std::wstring>& entries, const std::wstring& name)
{
    if (name.empty()) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (EqualIgnoringCase(entries[i], name)) return i;
    return std::nullopt;
}

std::wstring ScreenSaverPath(const std::wstring& systemDir, const std::wstring& entry)
{
    return systemDir + L"\\" + entry + kExtension;
}

std::wstring PreviewCommandLine(const std::wstring& path, std::uintptr_t window)
{
    if (path.empty()) return std::wstring();
    // Quoted: unquoted, "C:\Program Files\x.scr" would start "C:\Program.exe".
    return L"\"" + path + L"\" /p " + std::to_wstring(window);
}

std::wstring ConfigureParameters(const std::wstring& systemDir, const std::wstring& entry)
{
    return L"desk.cpl,InstallScreenSaver " + ScreenSaverPath(systemDir, entry);
}
