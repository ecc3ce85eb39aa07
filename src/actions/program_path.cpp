#include "actions/program_path.h"

#include "app/tips_file.h"

std::wstring ProgramFilePath(const std::wstring& folder, const std::wstring& fileName)
{
    const std::wstring joined = folder + L"\\" + fileName;
    if (joined.compare(0, 2, L"\\\\") != 0) return CollapseDoubleBackslashes(joined);
    // A program started from a share: keep "\\" and collapse only what follows.
    const std::size_t rest = joined.find_first_not_of(L'\\');
    if (rest == std::wstring::npos) return L"\\\\";
    return L"\\\\" + CollapseDoubleBackslashes(joined.substr(rest));
}
