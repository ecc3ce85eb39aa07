// The installer's and uninstaller's helper, extracted to their temporary
// plug-in folder and run there:
//   setup_helper close SECONDS REPORT-FILE FOLDER [FOLDER]
//     asks the running Umbrix and Vandric whose executables are in FOLDER
//     to end the way the Restart Manager does and waits for the processes.
//     Copies running from elsewhere are only named on standard output.
//     Exit code: the kClose* bits of setup_rules.h; the programs still
//     running are named one per line in REPORT-FILE for the installer's
//     Retry/Cancel message (UTF-16LE without a byte-order mark, as NSIS's
//     FileReadUTF16LE reads it). Nothing is ever killed.
//   setup_helper unlink FOLDER TARGET
//     deletes the shortcuts (*.lnk) in FOLDER whose target is TARGET.
//   setup_helper hashes FOLDER NAME...
//     prints the installed-file list of the files NAME in FOLDER.
//   setup_helper remove FOLDER LIST
//     deletes each file of LIST in FOLDER whose SHA-256 still matches; names
//     the others on standard output.
//   setup_helper origin FILE       exit code 0 when FILE is one of ours
//   setup_helper links LNK TARGET  exit code 0 when the shortcut starts TARGET
// Exit code 2: the arguments were not understood.
#include <windows.h>
#include <bcrypt.h>
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
    int folder;   // index of the installation folder it runs from
    HWND window;  // its main window; null while it has none (a first start's welcome window)
    DWORD processId;
    CHandle process;
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

// Standard output in the ANSI code page, which nsExec shows in the details.
void Print(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0) return;
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

struct CCollected {
    std::vector<std::wstring> folders;
    std::vector<CRunningProgram> programs;
    std::vector<DWORD> otherProcesses;
};

bool IsMainWindow(HWND hwnd, const wchar_t* program)
{
    const std::wstring caption = WindowText(hwnd, false);
    const std::wstring windowClass = WindowText(hwnd, true);
    if (program[0] == L'U') return windowClass == kFrameClassName && caption == kFrameCaption;
    return windowClass == L"#32770" && caption == kVandricWindowCaption;
}

// Ours is decided by the process's executable, never by a window's class or
// caption, which any program may copy. Several Vandric copies may run, each
// with its own window.
BOOL CALLBACK CollectProgramWindow(HWND hwnd, LPARAM param)
{
    auto& found = *reinterpret_cast<CCollected*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == GetCurrentProcessId()) return TRUE;
    for (CRunningProgram& p : found.programs) {
        if (p.processId != processId) continue;
        if (!p.window && IsMainWindow(hwnd, p.program)) p.window = hwnd;
        return TRUE;
    }
    if (std::find(found.otherProcesses.begin(), found.otherProcesses.end(), processId) != found.otherProcesses.end())
        return TRUE;
    found.otherProcesses.push_back(processId);
    CHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    const std::wstring path = ProcessPath(process.h);
    const ImageOwner owner = ClassifyImage(path, found.folders, SamePath);
    if (!owner.program) return TRUE;
    if (owner.folder < 0) {
        Print(std::wstring(L"Left running (another copy): ") + owner.program + L" (" + path + L")\r\n");
        return TRUE;
    }
    found.otherProcesses.pop_back();
    // A program still starting (Umbrix shows its first-start window before
    // its main window exists) cannot be asked yet, but it holds its file:
    // it is waited for and named.
    found.programs.push_back({owner.program, owner.folder, IsMainWindow(hwnd, owner.program) ? hwnd : nullptr,
                              processId, std::move(process)});
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
    for (const std::wstring& folder : request.folders) collected.folders.push_back(FullPath(folder));
    EnumWindows(CollectProgramWindow, reinterpret_cast<LPARAM>(&collected));
    const std::vector<CRunningProgram>& running = collected.programs;

    const DWORD start = GetTickCount();
    auto remaining = [&] { return RemainingMs(request.limitMs, GetTickCount() - start); };
    for (const CRunningProgram& p : running) AskToEnd(p, remaining);

    int result = 0;
    std::vector<StillRunning> left;
    for (const CRunningProgram& p : running) {
        if (!Ended(p, remaining()))
            left.push_back({p.program, ProcessPath(p.process.h), p.processId});
        else if (p.program[0] == L'U')
            result |= p.folder == 0 ? kCloseEndedUmbrixFirst : kCloseEndedUmbrixSecond;
    }
    if (left.empty()) {
        DeleteFileW(request.report.c_str());
        return result;
    }
    WriteReport(request.report, StillRunningReport(left));
    return result | kCloseSomeLeft;
}

std::wstring ShortcutTarget(IShellLinkW* link, IPersistFile* file, const std::wstring& path)
{
    if (FAILED(file->Load(path.c_str(), STGM_READ))) return {};
    wchar_t target[MAX_PATH * 4] = L"";
    // The raw path: no resolving, which could search the disk or ask the user.
    if (FAILED(link->GetPath(target, ARRAYSIZE(target), nullptr, SLGP_RAWPATH))) return {};
    return target;
}

// The shell's shortcut object, for reading the targets of shortcut files.
class CShortcutReader {
public:
    CShortcutReader()
    {
        m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        if (m_com && SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                                reinterpret_cast<void**>(&m_link))))
            m_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&m_file));
    }
    ~CShortcutReader()
    {
        if (m_file) m_file->Release();
        if (m_link) m_link->Release();
        if (m_com) CoUninitialize();
    }
    CShortcutReader(const CShortcutReader&) = delete;
    CShortcutReader& operator=(const CShortcutReader&) = delete;

    bool Starts(const std::wstring& shortcut, const std::wstring& fullTarget)
    {
        if (!m_file) return false;
        const std::wstring linked = ShortcutTarget(m_link, m_file, shortcut);
        return !linked.empty() && SamePath(FullPath(linked), fullTarget);
    }

private:
    bool m_com = false;
    IShellLinkW* m_link = nullptr;
    IPersistFile* m_file = nullptr;
};

int RemoveShortcuts(const HelperRequest& request)
{
    CShortcutReader reader;
    const std::wstring target = FullPath(request.target);
    std::wstring folder = request.folder;
    if (folder.back() != L'\\') folder += L'\\';
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*.lnk").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::wstring path = folder + data.cFileName;
        if (reader.Starts(path, target)) DeleteFileW(path.c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return 0;
}

int ShortcutStarts(const HelperRequest& request)
{
    CShortcutReader reader;
    return reader.Starts(request.folder, FullPath(request.target)) ? 0 : 1;
}

// The file's SHA-256 in lower-case hex; empty when it cannot be read.
std::wstring FileSha256(const std::wstring& path)
{
    CHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.h == INVALID_HANDLE_VALUE) {
        file.h = nullptr;
        return {};
    }
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) return {};
    BCRYPT_HASH_HANDLE hash = nullptr;
    unsigned char digest[32] = {};
    bool ok = BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
    std::vector<unsigned char> buffer(1 << 16);
    DWORD read = 0;
    while (ok && ReadFile(file.h, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) && read > 0)
        ok = BCRYPT_SUCCESS(BCryptHashData(hash, buffer.data(), read, 0));
    ok = ok && BCRYPT_SUCCESS(BCryptFinishHash(hash, digest, sizeof digest, 0));
    if (hash) BCryptDestroyHash(hash);
    BCryptCloseAlgorithmProvider(algorithm, 0);
    if (!ok) return {};
    std::wstring text;
    for (unsigned char byte : digest) {
        text += L"0123456789abcdef"[byte >> 4];
        text += L"0123456789abcdef"[byte & 15];
    }
    return text;
}

std::wstring InFolder(const std::wstring& folder, const std::wstring& name)
{
    return folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

int PrintHashes(const HelperRequest& request)
{
    std::vector<ListedFile> files;
    for (const std::wstring& name : request.names) {
        const std::wstring hash = FileSha256(InFolder(request.folder, name));
        if (!hash.empty()) files.push_back({name, hash});
    }
    Print(FormatFileList(files));
    return 0;
}

// Only what setup installed and nobody changed since: a file replaced by the
// user (or another program of the same name) stays.
int RemoveListedFiles(const HelperRequest& request)
{
    for (const ListedFile& f : ParseFileList(request.list)) {
        const std::wstring path = InFolder(request.folder, f.name);
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        if (FileSha256(path) != f.sha256)
            Print(L"Kept (changed since it was installed): " + path + L"\r\n");
        else if (!DeleteFileW(path.c_str()))
            Print(L"Could not delete: " + path + L"\r\n");
    }
    return 0;
}

std::wstring VersionString(const std::vector<unsigned char>& info, const wchar_t* language, const wchar_t* name)
{
    void* value = nullptr;
    UINT size = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\") + language + L"\\" + name;
    if (!VerQueryValueW(info.data(), query.c_str(), &value, &size) || size == 0) return {};
    return static_cast<const wchar_t*>(value);
}

int CheckOrigin(const HelperRequest& request)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(request.target.c_str(), &ignored);
    if (size == 0) return 1;
    std::vector<unsigned char> info(size);
    if (!GetFileVersionInfoW(request.target.c_str(), 0, size, info.data())) return 1;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &bytes))
        return 1;
    for (UINT i = 0; i < bytes / sizeof(Translation); ++i) {
        wchar_t language[9];
        wsprintfW(language, L"%04x%04x", translations[i].language, translations[i].codePage);
        if (IsOurOrigin(VersionString(info, language, L"CompanyName"), VersionString(info, language, L"ProductName")))
            return 0;
    }
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    RestrictDllSearchToSystem();
    const HelperRequest request = ParseHelperArguments(std::vector<std::wstring>(argv + 1, argv + argc));
    switch (request.kind) {
    case HelperRequest::Kind::Close: return CloseRunningPrograms(request);
    case HelperRequest::Kind::RemoveShortcuts: return RemoveShortcuts(request);
    case HelperRequest::Kind::Hashes: return PrintHashes(request);
    case HelperRequest::Kind::Remove: return RemoveListedFiles(request);
    case HelperRequest::Kind::Origin: return CheckOrigin(request);
    case HelperRequest::Kind::Links: return ShortcutStarts(request);
    case HelperRequest::Kind::Invalid: break;
    }
    return kHelperBadArguments;
}
