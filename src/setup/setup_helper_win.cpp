// The installer's and uninstaller's helper, extracted to their temporary
// plug-in folder and run there:
//   setup_helper close SECONDS REPORT-FILE
//     asks every running Umbrix and Vandric (whatever folder they run from)
//     to end the way the Restart Manager does and waits for the processes.
//     Exit code 0 when none is left; 1 when some are, named one per line in
//     REPORT-FILE for the installer's Retry/Cancel message (UTF-16LE without
//     a byte-order mark, as NSIS's FileReadUTF16LE reads it). Nothing is
//     ever killed.
//   setup_helper unlink FOLDER TARGET
//     deletes the shortcuts (*.lnk) in FOLDER whose target is TARGET.
// Exit code 2: the arguments were not understood.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "framework/dll_search.h"
#include "setup/setup_rules.h"
#include "shell/messages.h"

extern const wchar_t* const kVandricWindowCaption;

namespace {

// How long one program may take to answer WM_QUERYENDSESSION: long enough
// for a busy program to reach its message loop, short enough to leave the
// others time within the overall limit.
constexpr unsigned kQueryLimitMs = 5000;

struct CHandle {
    HANDLE h = nullptr;
    CHandle() = default;
    explicit CHandle(HANDLE handle) : h(handle) {}
    CHandle(CHandle&& o) noexcept : h(o.h) { o.h = nullptr; }
    CHandle& operator=(CHandle&& o) noexcept
    {
        std::swap(h, o.h);
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle()
    {
        if (h) CloseHandle(h);
    }
};

struct CRunningProgram {
    const wchar_t* program;
    HWND window;  // its main window; null while it has none (a first start's welcome window)
    DWORD processId;
    CHandle process;  // null when the process could not be opened: then its window tells
};

std::wstring WindowText(HWND hwnd, bool className)
{
    wchar_t text[256] = L"";
    if (className)
        GetClassNameW(hwnd, text, 256);
    else
        GetWindowTextW(hwnd, text, 256);
    return text;
}

std::wstring ProcessPath(HANDLE process)
{
    if (!process) return {};
    wchar_t path[MAX_PATH * 4];
    DWORD size = ARRAYSIZE(path);
    return QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : std::wstring();
}

bool EndsWithName(const std::wstring& path, const wchar_t* name)
{
    const std::wstring tail = std::wstring(L"\\") + name;
    return path.size() >= tail.size() &&
           CompareStringOrdinal(path.c_str() + path.size() - tail.size(), static_cast<int>(tail.size()),
                                tail.c_str(), static_cast<int>(tail.size()), TRUE) == CSTR_EQUAL;
}

struct CCollected {
    std::vector<CRunningProgram> programs;
    std::vector<DWORD> otherProcesses;
};

BOOL CALLBACK CollectProgramWindow(HWND hwnd, LPARAM param)
{
    auto& found = *reinterpret_cast<CCollected*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == GetCurrentProcessId()) return TRUE;
    // The main window by class and caption, as the programs find themselves:
    // another program's window that merely carries the caption is left
    // alone. Several Vandric copies may run, each with its own window.
    const std::wstring caption = WindowText(hwnd, false);
    const std::wstring windowClass = WindowText(hwnd, true);
    const wchar_t* program = nullptr;
    if (windowClass == kFrameClassName && caption == kFrameCaption)
        program = L"Umbrix";
    else if (windowClass == L"#32770" && caption == kVandricWindowCaption)
        program = L"Vandric";
    for (CRunningProgram& p : found.programs) {
        if (p.processId != processId) continue;
        if (program && !p.window) p.window = hwnd;
        return TRUE;
    }
    if (!program && std::find(found.otherProcesses.begin(), found.otherProcesses.end(), processId) !=
                        found.otherProcesses.end())
        return TRUE;
    CHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!program) {
        // A program still starting (Umbrix shows its first-start window
        // before its main window exists) cannot be asked, yet it holds its
        // file: it is waited for and named, by its executable's name.
        const std::wstring path = ProcessPath(process.h);
        if (EndsWithName(path, L"Umbrix.exe"))
            program = L"Umbrix";
        else if (EndsWithName(path, L"Vandric.exe"))
            program = L"Vandric";
        if (!program) {
            found.otherProcesses.push_back(processId);
            return TRUE;
        }
        hwnd = nullptr;
    }
    found.programs.push_back({program, hwnd, processId, std::move(process)});
    return TRUE;
}

bool Ended(const CRunningProgram& p, DWORD waitMs)
{
    if (p.process.h) return WaitForSingleObject(p.process.h, waitMs) == WAIT_OBJECT_0;
    Sleep(waitMs);
    return p.window && !IsWindow(p.window);
}

// What the Restart Manager does to a program's main window: ask, then tell
// the answer. ENDSESSION_CLOSEAPP lets the program know it is being closed,
// not the whole session ended, so it ends its process itself.
// `remaining` gives the milliseconds left of the overall limit.
template <typename Remaining>
void AskToEnd(const CRunningProgram& p, const Remaining& remaining)
{
    unsigned left = remaining();
    if (!p.window || left == 0) return;
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutW(p.window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                             left < kQueryLimitMs ? left : kQueryLimitMs, &agreed))
        return;  // busy or hung: it will be named
    left = remaining();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(p.window, WM_ENDSESSION, agreed ? TRUE : FALSE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                        left > 0 ? left : 1, &ignored);
}

bool WriteReport(const std::wstring& file, const std::wstring& text)
{
    CHandle out(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.h == INVALID_HANDLE_VALUE) {
        out.h = nullptr;
        return false;
    }
    DWORD written = 0;
    return WriteFile(out.h, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr) &&
           written == text.size() * sizeof(wchar_t);
}

int CloseRunningPrograms(const HelperRequest& request)
{
    CCollected collected;
    EnumWindows(CollectProgramWindow, reinterpret_cast<LPARAM>(&collected));
    const std::vector<CRunningProgram>& running = collected.programs;

    const DWORD start = GetTickCount();
    auto remaining = [&] { return RemainingMs(request.limitMs, GetTickCount() - start); };
    for (const CRunningProgram& p : running) AskToEnd(p, remaining);

    std::vector<StillRunning> left;
    for (const CRunningProgram& p : running)
        if (!Ended(p, remaining())) left.push_back({p.program, ProcessPath(p.process.h), p.processId});
    if (left.empty()) {
        DeleteFileW(request.report.c_str());
        return 0;
    }
    WriteReport(request.report, StillRunningReport(left));
    return 1;
}

std::wstring FullPath(const std::wstring& path)
{
    wchar_t full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(path.c_str(), ARRAYSIZE(full), full, nullptr);
    return n > 0 && n < ARRAYSIZE(full) ? std::wstring(full, n) : path;
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    // File names compare as the file system does: ordinal, ignoring case
    // with the system's own upper-case table (non-ASCII letters included).
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

std::wstring ShortcutTarget(IShellLinkW* link, IPersistFile* file, const std::wstring& path)
{
    if (FAILED(file->Load(path.c_str(), STGM_READ))) return {};
    wchar_t target[MAX_PATH * 4] = L"";
    // The raw path: no resolving, which could search the disk or ask the user.
    if (FAILED(link->GetPath(target, ARRAYSIZE(target), nullptr, SLGP_RAWPATH))) return {};
    return target;
}

int RemoveShortcuts(const HelperRequest& request)
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring target = FullPath(request.target);
        std::wstring folder = request.folder;
        if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"*.lnk").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
                const std::wstring path = folder + data.cFileName;
                const std::wstring linked = ShortcutTarget(link, file, path);
                if (!linked.empty() && SamePath(FullPath(linked), target)) DeleteFileW(path.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
    }
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    RestrictDllSearchToSystem();
    const HelperRequest request = ParseHelperArguments(std::vector<std::wstring>(argv + 1, argv + argc));
    switch (request.kind) {
    case HelperRequest::Kind::Close: return CloseRunningPrograms(request);
    case HelperRequest::Kind::RemoveShortcuts: return RemoveShortcuts(request);
    case HelperRequest::Kind::Invalid: break;
    }
    return 2;
}
