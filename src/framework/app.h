#pragma once
// The application object: instance initialisation, the message loop, message
// pre-translation (run by the main loop and by every modal loop), instance
// exit, and the per-user profile under HKCU\Software\<company>\<app> (or in
// a settings file beside the program).
#include <windows.h>

#include <memory>
#include <string>

#include "framework/settings_store.h"

class CWnd;

class CWinAppBase {
public:
    // `appName` is the title used for message-box captions and the profile key.
    explicit CWinAppBase(std::wstring appName);
    CWinAppBase(const CWinAppBase&) = delete;
    CWinAppBase& operator=(const CWinAppBase&) = delete;
    virtual ~CWinAppBase();

    // Runs InitInstance, the message loop and ExitInstance; the process exit code.
    int Run(HINSTANCE instance);

    virtual bool InitInstance() = 0;
    // The application's own look at every message before it is dispatched;
    // the default offers it to the target window and its ancestors.
    virtual bool PreTranslateMessage(MSG& msg);
    virtual int ExitInstance();

    // Takes one message from the queue and handles it as the main loop would.
    // Returns false on WM_QUIT, which it puts back for the outer loop.
    bool PumpMessage();

    // Selects HKCU\Software\<company>\<appName> as the profile, or, when
    // the file "<appName>-settings.ini" lies beside the program, that file
    // (a portable copy keeps everything beside itself).
    void SetRegistryKey(const std::wstring& company);
    // The settings file in use, or empty while the profile is elsewhere.
    const std::wstring& PortableSettingsFile() const { return m_portableSettingsFile; }
    // Says once, in a message box captioned with the application's title,
    // that the settings file cannot be written and changes will not be kept.
    // Nothing when the profile is writable or not a file.
    void WarnIfSettingsCannotBeKept();
    // True when the settings file cannot be written: nothing is stored.
    bool SettingsReadOnly() const { return m_settingsReadOnly; }
    // Replaces the profile store (tests use a throw-away key or memory).
    void SetProfileStore(std::unique_ptr<ISettingsStore> store);
    ISettingsStore& Profile();
    // Changes whenever the profile store is replaced, in any application
    // object: whatever keeps a reference to the store must drop it then.
    unsigned ProfileGeneration() const { return m_profileGeneration; }

    int GetProfileInt(const wchar_t* section, const wchar_t* name, int def);
    bool WriteProfileInt(const wchar_t* section, const wchar_t* name, int value);
    std::wstring GetProfileString(const wchar_t* section, const wchar_t* name, const wchar_t* def = L"");
    bool WriteProfileString(const wchar_t* section, const wchar_t* name, const std::wstring& value);

    const std::wstring& AppName() const { return m_appName; }
    HINSTANCE Instance() const { return m_instance; }
    // The arguments after the program name, as typed.
    const std::wstring& CommandLineArgs() const { return m_cmdLineArgs; }

    CWnd* m_pMainWnd = nullptr;

protected:
    int m_exitCode = 0;

private:
    std::wstring m_appName;
    HINSTANCE m_instance = nullptr;
    std::wstring m_cmdLineArgs;
    std::unique_ptr<ISettingsStore> m_profile;
    std::wstring m_portableSettingsFile;
    bool m_settingsReadOnly = false;
    bool m_settingsWarned = false;
    unsigned m_profileGeneration = 0;
    // The application object this one replaced (tests run one inside another).
    CWinAppBase* m_previousApp = nullptr;
};

// The one application object of the process (null before it is constructed).
// A second object constructed while one exists takes over until it is
// destroyed; the first one is then current again.
CWinAppBase* AfxGetApp();
// The application's title, "Umbrix" while no application object exists.
const wchar_t* AfxAppTitle();
// The main window's handle, or null.
HWND AfxGetMainHwnd();
// The profile store of the application object.
ISettingsStore& AfxProfile();

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

// The arguments of a command line: what follows the program name, which may be quoted.
std::wstring ArgumentsOfCommandLine(const wchar_t* commandLine);
