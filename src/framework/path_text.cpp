#include "framework/path_text.h"

std::wstring CollapseDoubleBackslashes(std::wstring path)
{
    // A path that starts with two backslashes names a network share (or a
    // device path); reducing them to one would turn it into a path on the
    // current drive.
    const std::size_t keep = path.compare(0, 2, L"\\\\") == 0 ? 2 : 0;
    std::size_t pos = path.find(L"\\\\", keep);
    while (pos != std::wstring::npos) {
        path.erase(pos, 1);
        pos = path.find(L"\\\\", pos);
    }
    if (keep && path.size() > 2 && path[2] == L'\\') {
        // "\\\server": the run at the start is longer than two.
        std::size_t end = 2;
        while (end < path.size() && path[end] == L'\\') ++end;
        path.erase(2, end - 2);
    }
    return path;
}

std::wstring FolderOfPath(const std::wstring& modulePath)
{
    const std::size_t last = modulePath.rfind(L'\\');
    if (last == std::wstring::npos)
        return std::wstring();
    return modulePath.substr(0, last);
}
