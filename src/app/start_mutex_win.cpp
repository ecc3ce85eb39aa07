#include "app/start_mutex_win.h"

#include <sddl.h>

#include <vector>

#include "app/command_line.h"

namespace {

std::wstring EnvironmentValue(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::wstring UserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size ? size : 1);
    std::wstring text;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        LPWSTR sid = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
            text = sid;
            LocalFree(sid);
        }
    }
    CloseHandle(token);
    return text;
}

}  // namespace

std::wstring StartMutexName()
{
    // Local\ is already one namespace per session; the session id in the name
    // keeps it apart in any case, and the SID keeps the starts of another
    // user in this session (run as another account) from making it wait.
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) return {};
    const std::wstring sid = UserSid();
    if (sid.empty()) return {};
    return L"Local\\Umbrix Start " + std::to_wstring(session) + L" " + sid;
}

DWORD StartWaitLimit()
{
    if (EnvironmentValue(L"UMBRIX_JOURNAL").empty()) return kStartWaitLimitMs;
    return StartWaitLimitMs(EnvironmentValue(L"UMBRIX_START_WAIT_MS"));
}
