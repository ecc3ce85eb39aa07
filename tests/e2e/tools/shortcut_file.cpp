// Test tool: reads or writes a shortcut (.lnk) file.
//   shortcut_file.exe show <lnk>                  prints "<target>|<arguments>" in UTF-8
//   shortcut_file.exe make <lnk> <target> [args]  writes one
// Exit code 1 on wrong arguments, 2 when the shell refused.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace {

void PrintUtf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

int Run(IShellLinkW* link, IPersistFile* file, int argc, wchar_t** argv)
{
    const std::wstring command = argv[1];
    if (command == L"show" && argc == 3) {
        if (FAILED(file->Load(argv[2], STGM_READ))) return 2;
        wchar_t target[MAX_PATH * 4] = L"";
        wchar_t arguments[1024] = L"";
        if (FAILED(link->GetPath(target, MAX_PATH * 4, nullptr, SLGP_RAWPATH))) return 2;
        link->GetArguments(arguments, 1024);
        PrintUtf8(std::wstring(target) + L"|" + arguments + L"\n");
        return 0;
    }
    if (command == L"make" && (argc == 4 || argc == 5)) {
        link->SetPath(argv[3]);
        if (argc == 5) link->SetArguments(argv[4]);
        return SUCCEEDED(file->Save(argv[2], TRUE)) ? 0 : 2;
    }
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return 1;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    int rc = 2;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        rc = Run(link, file, argc, argv);
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return rc;
}
