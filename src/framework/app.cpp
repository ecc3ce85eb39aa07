#include "framework/app.h"

#include "framework/ini_store.h"
#include "framework/registry_store.h"
#include "framework/window.h"

namespace {
CWinAppBase* g_app = nullptr;
unsigned g_profileGenerations = 0;

// In-memory profile used until SetRegistryKey selects the real one, so early
// reads get their defaults and nothing is written to an unexpected key.
class CNullStore final : public ISettingsStore {
public:
    int ReadInt(const std::wstring&, const std::wstring&, int def) override { return def; }
    std::wstring ReadString(const std::wstring&, const std::wstring&, const std::wstring& def) override
    {
        return def;
    }
    bool WriteInt(const std::wstring&, const std::wstring&, int) override { return false; }
    bool WriteString(const std::wstring&, const std::wstring&, const std::wstring&) override { return false; }
};
}  // namespace

CWinAppBase* AfxGetApp()
{
    return g_app;
}

const wchar_t* AfxAppTitle()
{
    return g_app ? g_app->AppName().c_str() : L"Umbrix";
}

HWND AfxGetMainHwnd()
{
    return g_app && g_app->m_pMainWnd ? g_app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

ISettingsStore& AfxProfile()
{
    return g_app->Profile();
}

std::wstring ArgumentsOfCommandLine(const wchar_t* commandLine)
{
    if (!commandLine) return {};
    const wchar_t* p = commandLine;
    while (*p == L' ' || *p == L'\t') ++p;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p == L'"') ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

CWinAppBase::CWinAppBase(std::wstring appName)
    : m_appName(std::move(appName)),
      m_profile(std::make_unique<CNullStore>()),
      // Every store gets a generation of its own, unique in the process.
      m_profileGeneration(++g_profileGenerations),
      m_previousApp(g_app)
{
    g_app = this;
}

CWinAppBase::~CWinAppBase()
{
    if (g_app == this) g_app = m_previousApp;
}

void CWinAppBase::SetRegistryKey(const std::wstring& company)
{
    const std::wstring file = PortableSettingsPath(m_appName);
    if (file.empty()) {
        SetProfileStore(std::make_unique<CRegistrySettingsStore>(HKEY_CURRENT_USER,
                                                                 L"Software\\" + company + L"\\" + m_appName));
        return;
    }
    // Never the registry as well: a copy that cannot write its file keeps
    // its changes nowhere rather than on the machine it runs on.
    auto store = std::make_unique<CIniSettingsStore>(file);
    const bool readOnly = !store->Writable();
    SetProfileStore(std::move(store));
    m_portableSettingsFile = file;
    m_settingsReadOnly = readOnly;
}

void CWinAppBase::SetProfileStore(std::unique_ptr<ISettingsStore> store)
{
    m_profile = std::move(store);
    m_profileGeneration = ++g_profileGenerations;
    m_portableSettingsFile.clear();
    m_settingsReadOnly = false;
}

void CWinAppBase::WarnIfSettingsCannotBeKept()
{
    if (!m_settingsReadOnly || m_settingsWarned) return;
    m_settingsWarned = true;
    const std::wstring text = L"The settings file\n\n" + m_portableSettingsFile +
                              L"\n\ncannot be written (the folder or the file is read-only). " + m_appName +
                              L" uses the settings in it, but changes you make will not be kept.";
    MessageBoxW(nullptr, text.c_str(), m_appName.c_str(), MB_OK | MB_ICONWARNING);
}

ISettingsStore& CWinAppBase::Profile()
{
    return *m_profile;
}

int CWinAppBase::GetProfileInt(const wchar_t* section, const wchar_t* name, int def)
{
    return m_profile->ReadInt(section, name, def);
}

bool CWinAppBase::WriteProfileInt(const wchar_t* section, const wchar_t* name, int value)
{
    return m_profile->WriteInt(section, name, value);
}

std::wstring CWinAppBase::GetProfileString(const wchar_t* section, const wchar_t* name, const wchar_t* def)
{
    return m_profile->ReadString(section, name, def ? def : L"");
}

bool CWinAppBase::WriteProfileString(const wchar_t* section, const wchar_t* name, const std::wstring& value)
{
    return m_profile->WriteString(section, name, value);
}

bool CWinAppBase::PreTranslateMessage(MSG& msg)
{
    // Offer the message to the window it is for and then to its ancestors, so
    // a dialog (modal or a form inside a frame) gets its keyboard navigation.
    for (HWND hwnd = msg.hwnd; hwnd; hwnd = GetAncestor(hwnd, GA_PARENT)) {
        if (hwnd == GetDesktopWindow()) break;
        if (CWnd* wnd = CWnd::FromHandle(hwnd))
            if (wnd->PreTranslateMessage(msg)) return true;
    }
    return false;
}

bool CWinAppBase::PumpMessage()
{
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (got == -1) return true;
    if (!PreTranslateMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

int CWinAppBase::ExitInstance()
{
    return m_exitCode;
}

int CWinAppBase::Run(HINSTANCE instance)
{
    m_instance = instance;
    m_cmdLineArgs = ArgumentsOfCommandLine(GetCommandLineW());
    if (!InitInstance()) return ExitInstance();
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) break;
        if (got == -1) continue;
        if (!PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    m_exitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}
