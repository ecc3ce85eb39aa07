#include "actions/wave_file_name.h"

namespace {

wchar_t AsciiLower(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

std::wstring EnsureWavExtension(const std::wstring& path)
{
    static const wchar_t kExtension[] = L".wav";
    const std::size_t length = 4;
    if (path.size() >= length) {
        const std::size_t start = path.size() - length;
        bool matches = true;
        for (std::size_t i = 0; i < length; ++i)
            matches = matches && AsciiLower(path[start + i]) == kExtension[i];
        if (matches)
            return path;
    }
    return path + kExtension;
}
