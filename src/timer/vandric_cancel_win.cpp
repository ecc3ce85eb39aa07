#include "timer/vandric_cancel_win.h"

#include <memory>
#include <string>
#include <vector>

#include "timer/scheduled_action.h"
#include "timer/vandric_messages.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

std::wstring BaseName(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return AsciiLower(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

std::wstring ImageName(HANDLE process)
{
    wchar_t path[MAX_PATH * 2];
    DWORD size = ARRAYSIZE(path);
    return QueryFullProcessImageNameW(process, 0, path, &size) ? BaseName(path) : std::wstring();
}

// The token's user SID as bytes; empty when it cannot be read.
std::vector<BYTE> UserSid(HANDLE process)
{
    HANDLE raw = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &raw)) return {};
    UniqueHandle token(raw);
    alignas(TOKEN_USER) BYTE buffer[256];
    DWORD size = 0;
    if (!GetTokenInformation(raw, TokenUser, buffer, sizeof(buffer), &size)) return {};
    PSID sid = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
    const BYTE* bytes = static_cast<const BYTE*>(sid);
    return std::vector<BYTE>(bytes, bytes + GetLengthSid(sid));
}

BOOL CALLBACK CollectMainWindows(HWND hwnd, LPARAM param)
{
    wchar_t caption[64];
    wchar_t className[16];
    if (GetWindowTextW(hwnd, caption, ARRAYSIZE(caption)) > 0 && lstrcmpW(caption, kVandricSettingsCaption) == 0 &&
        GetClassNameW(hwnd, className, ARRAYSIZE(className)) > 0 && lstrcmpW(className, L"#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

}  // namespace

bool IsVandricOfThisUser(DWORD pid)
{
    DWORD ownSession = 0;
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &ownSession) || !ProcessIdToSessionId(pid, &session) ||
        session != ownSession)
        return false;
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return false;
    const std::wstring image = ImageName(process.get());
    if (image.empty() || (image != L"vandric.exe" && image != ImageName(GetCurrentProcess()))) return false;
    const std::vector<BYTE> user = UserSid(process.get());
    return !user.empty() && user == UserSid(GetCurrentProcess());
}

int CancelCountingCopies()
{
    std::vector<HWND> windows;
    EnumWindows(CollectMainWindows, reinterpret_cast<LPARAM>(&windows));
    int ended = 0;
    for (HWND hwnd : windows) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == GetCurrentProcessId() || !IsVandricOfThisUser(pid)) continue;
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(hwnd, UM_CANCEL_COUNTDOWN, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) && answer == 1)
            ++ended;
    }
    return ended;
}
