// The secondary windows under Wine: the screen-saver chooser with real
// stand-in screen savers in the system directory, the tip of the day on a
// file of its own, the looks, the welcome center, help videos and about.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/about_dlg.h"
#include "dialogs/app_look.h"
#include "dialogs/app_look_win.h"
#include "dialogs/dlg_help_videos.h"
#include "dialogs/dlg_screen_saver.h"
#include "dialogs/dlg_select_gui.h"
#include "dialogs/dlg_welcome.h"
#include "dialogs/explorer1.h"
#include "dialogs/tip_dlg.h"
#include "framework/app.h"
#include "framework/win_text.h"
#include "resources/resource.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

bool Up(const CDialog& dlg)
{
    return dlg.GetSafeHwnd() && IsWindowVisible(dlg.GetSafeHwnd());
}

INT_PTR RunModal(CDialog& dlg, CModalScript& script)
{
    script.Start();
    const INT_PTR result = dlg.DoModal();
    EXPECT_FALSE(script.TimedOut());
    return result;
}

bool ProcessEnded(DWORD pid, DWORD waitMs = 5000)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process) return true;
    const bool ended = WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

std::wstring ListText(HWND list, int index)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return L"";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// A posted WM_COMMAND for `window`, taken off the queue; 0 when there is none.
UINT TakePostedCommand(HWND window)
{
    MSG msg;
    if (!PeekMessageW(&msg, window, WM_COMMAND, WM_COMMAND, PM_REMOVE)) return 0;
    return LOWORD(msg.wParam);
}

// A plain hidden window that stands for the main frame.
class CFakeFrame {
public:
    CFakeFrame()
    {
        m_hwnd = CreateWindowExW(0, L"STATIC", L"fake frame", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    ~CFakeFrame()
    {
        while (TakePostedCommand(m_hwnd)) {}
        DestroyWindow(m_hwnd);
    }
    HWND Get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// ---------------------------------------------------------------------------
// Screen-saver chooser

class ScreenSaverChooser : public testing::Test {
protected:
    void SetUp() override
    {
        m_systemDir = GetSystemDirectoryString();
        const std::wstring helper = GetProgramFolder() + L"\\fake_saver.exe";
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(helper.c_str())) << "fake_saver.exe beside the tests";
        for (const wchar_t* name : {kSpaced, kPlain}) {
            const std::wstring path = m_systemDir + L"\\" + name + L".scr";
            ASSERT_TRUE(CopyFileW(helper.c_str(), path.c_str(), FALSE));
        }
        m_savedDefault = ReadDefaultScreenSaver();
        GetCurrentDirectoryW(MAX_PATH, m_savedDirectory);
        m_system.m_startProcesses = true;
    }
    void TearDown() override
    {
        StoreDefaultScreenSaver(m_savedDefault);
        SetCurrentDirectoryW(m_savedDirectory);
        for (const wchar_t* name : {kSpaced, kPlain}) DeleteFileW((m_systemDir + L"\\" + name + L".scr").c_str());
    }

    std::wstring PathOf(const wchar_t* name) const { return m_systemDir + L"\\" + name + L".scr"; }
    int IndexOf(HWND list, const std::wstring& entry) const
    {
        return static_cast<int>(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(entry.c_str())));
    }

    static constexpr const wchar_t* kSpaced = L"Umbrix Test Saver";
    static constexpr const wchar_t* kPlain = L"umbrixtestplain";
    std::wstring m_systemDir;
    std::wstring m_savedDefault;
    wchar_t m_savedDirectory[MAX_PATH] = {};
    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

TEST_F(ScreenSaverChooser, ListsSelectsStoresAtOnceAndEndsEveryPreview)
{
    // Stored in another case than the directory search gives: still found.
    StoreDefaultScreenSaver(m_systemDir + L"\\UMBRIXTESTPLAIN.SCR");
    CDlgScreenSaver dlg;
    DWORD firstPreview = 0, secondPreview = 0;
    bool firstEndedOnChange = false;
    std::wstring firstLabel, secondLabel, selectedAtOpening, storedAfterChange, previewLine, area;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg) || !dlg.PreviewProcessId()) return false;
            HWND list = dlg.GetDlgItem(IDC_SCR_LIST);
            EXPECT_GE(IndexOf(list, kSpaced), 0);
            EXPECT_GE(IndexOf(list, kPlain), 0);
            selectedAtOpening = ListText(list, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
            firstLabel = ControlText(dlg.GetSafeHwnd(), IDC_SCR_DEFAULT);
            firstPreview = dlg.PreviewProcessId();
            previewLine = m_system.Requests().back();
            area = std::to_wstring(reinterpret_cast<std::uintptr_t>(dlg.GetDlgItem(IDC_SCR_PREVIEW_AREA)));
            // The user picks the entry whose name has a blank.
            SendMessageW(list, LB_SETCURSEL, IndexOf(list, kSpaced), 0);
            PostMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_SCR_LIST, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            return true;
        })
        .Then([&] { return dlg.PreviewProcessId() != 0 && dlg.PreviewProcessId() != firstPreview; })
        .Then([&] {
            secondPreview = dlg.PreviewProcessId();
            firstEndedOnChange = ProcessEnded(firstPreview);
            storedAfterChange = ReadDefaultScreenSaver();
            secondLabel = ControlText(dlg.GetSafeHwnd(), IDC_SCR_DEFAULT);
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    EXPECT_EQ(IDCANCEL, RunModal(dlg, script));

    EXPECT_EQ(kPlain, selectedAtOpening);
    EXPECT_EQ(L"Default ScreenSaver : UMBRIXTESTPLAIN", firstLabel);
    EXPECT_EQ(L"CreateProcessW \"\"" + m_systemDir + L"\\UMBRIXTESTPLAIN.SCR\" /p " + area + L"\"", previewLine);
    EXPECT_TRUE(firstEndedOnChange);
    EXPECT_EQ(PathOf(kSpaced), storedAfterChange);
    EXPECT_EQ(std::wstring(L"Default ScreenSaver : ") + kSpaced, secondLabel);
    EXPECT_NE(0u, secondPreview) << "a path with a blank starts its own preview";
    EXPECT_TRUE(ProcessEnded(secondPreview)) << "closing ends the preview";
    EXPECT_EQ(0u, dlg.PreviewProcessId());
}

TEST_F(ScreenSaverChooser, PreviewAndConfigureActOnTheSelectedEntryOnly)
{
    StoreDefaultScreenSaver(L"D:\\Elsewhere\\Other.scr");
    m_system.m_startProcesses = false;  // the preview of a missing file fails
    CDlgScreenSaver dlg;
    LRESULT selection = 0;
    std::wstring label;
    size_t executedWithoutSelection = 1;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg)) return false;
            HWND hwnd = dlg.GetSafeHwnd();
            selection = SendDlgItemMessageW(hwnd, IDC_SCR_LIST, LB_GETCURSEL, 0, 0);
            label = ControlText(hwnd, IDC_SCR_DEFAULT);
            PostClick(hwnd, IDC_SCR_PREVIEW);
            PostClick(hwnd, IDC_SCR_CONFIGURE);
            return true;
        })
        .Wait(200)
        .Then([&] {
            executedWithoutSelection = m_system.Executed().size();
            HWND list = dlg.GetDlgItem(IDC_SCR_LIST);
            SendMessageW(list, LB_SETCURSEL, IndexOf(list, kPlain), 0);
            PostClick(dlg.GetSafeHwnd(), IDC_SCR_PREVIEW);
            PostClick(dlg.GetSafeHwnd(), IDC_SCR_CONFIGURE);
            return true;
        })
        .Then([&] { return m_system.Executed().size() >= 2; })
        .Then([&] {
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    RunModal(dlg, script);
    EXPECT_EQ(LB_ERR, selection);
    EXPECT_EQ(L"Default ScreenSaver : D:\\Elsewhere\\Other", label);
    EXPECT_EQ(0u, executedWithoutSelection);
    const auto executed = m_system.Executed();
    ASSERT_EQ(2u, executed.size());
    EXPECT_EQ(L"umbrixtestplain.scr", executed[0].file);
    EXPECT_EQ(L"", executed[0].parameters);
    EXPECT_EQ(L"rundll32.exe", executed[1].file);
    EXPECT_EQ(L"desk.cpl,InstallScreenSaver " + PathOf(kPlain), executed[1].parameters);
    EXPECT_EQ(0u, dlg.PreviewProcessId());
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(0, lstrcmpiW(m_systemDir.c_str(), current)) << "names resolve against the system directory";
}

// ---------------------------------------------------------------------------
// Tip of the day

class TipOfDay : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + L"umbrix-tips-test.ini";
        Write("; comment\r\nFirst tip\r\nSecond tip\tA Title\r\n\r\nThird tip\t\tSmall print\r\n");
    }
    void TearDown() override { DeleteFileW(m_path.c_str()); }

    void Write(const std::string& content)
    {
        std::ofstream file(WideToAnsi(m_path), std::ios::binary | std::ios::trunc);
        file << content;
    }
    struct Shown {
        std::wstring header, tip, footer;
    };
    static Shown Read(HWND hwnd)
    {
        return {ControlText(hwnd, IDC_TIP_HEADER), ControlText(hwnd, IDC_TIP_STRING), ControlText(hwnd, IDC_TIP_FOOTER)};
    }

    std::wstring m_path;
};

TEST_F(TipOfDay, StepsThroughTheFileStoresTheCheckBoxAndRemembersThePlace)
{
    std::vector<Shown> shown;
    bool nextEnabled = false;
    {
        CTipDlg dlg(AfxProfile(), m_path);
        EXPECT_FALSE(dlg.StartUp());
        CModalScript script;
        script.Then([&] {
            if (!Up(dlg)) return false;
            HWND hwnd = dlg.GetSafeHwnd();
            shown.push_back(Read(hwnd));
            nextEnabled = IsWindowEnabled(dlg.GetDlgItem(IDC_TIP_NEXT)) != FALSE;
            for (int i = 0; i < 3; ++i) {
                SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_TIP_NEXT, BN_CLICKED), 0);
                shown.push_back(Read(hwnd));
            }
            CheckDlgButton(hwnd, IDC_TIP_STARTUP, BST_CHECKED);
            PostClick(hwnd, IDOK);
            return true;
        });
        EXPECT_EQ(IDOK, RunModal(dlg, script));
    }
    ASSERT_EQ(4u, shown.size());
    EXPECT_TRUE(nextEnabled);
    EXPECT_EQ(L"Did you know...", shown[0].header);
    EXPECT_EQ(L"First tip", shown[0].tip);
    EXPECT_EQ(L"A Title", shown[1].header);
    EXPECT_EQ(L"Second tip", shown[1].tip);
    EXPECT_EQ(L"Did you know...", shown[2].header);
    EXPECT_EQ(L"Small print", shown[2].footer);
    EXPECT_EQ(L"First tip", shown[3].tip) << "wraps around";
    EXPECT_EQ(0, AfxProfile().ReadInt(L"Tip", L"StartUp", -1));

    // The next window object, shown or not, starts after the last tip seen.
    CTipDlg next(AfxProfile(), m_path);
    EXPECT_TRUE(next.StartUp());
    EXPECT_EQ(L"Second tip", next.TipText());
}

TEST_F(TipOfDay, CloseBoxStoresNothingAndAMissingFileCannotStep)
{
    DeleteFileW(m_path.c_str());
    Shown shown;
    bool nextEnabled = true;
    {
        CTipDlg dlg(AfxProfile(), m_path);
        CModalScript script;
        script.Then([&] {
            if (!Up(dlg)) return false;
            shown = Read(dlg.GetSafeHwnd());
            nextEnabled = IsWindowEnabled(dlg.GetDlgItem(IDC_TIP_NEXT)) != FALSE;
            CheckDlgButton(dlg.GetSafeHwnd(), IDC_TIP_STARTUP, BST_CHECKED);
            PostMessageW(dlg.GetSafeHwnd(), WM_CLOSE, 0, 0);
            return true;
        });
        EXPECT_EQ(IDCANCEL, RunModal(dlg, script));
    }
    EXPECT_EQ(L"Oops!", shown.header);
    EXPECT_EQ(L"Tips file does not exist in the prescribed directory", shown.tip);
    EXPECT_FALSE(nextEnabled);
    EXPECT_EQ(-1, AfxProfile().ReadInt(L"Tip", L"StartUp", -1));
    EXPECT_EQ(-1, AfxProfile().ReadInt(L"Tip", L"FilePos", -1));
}

// ---------------------------------------------------------------------------
// Looks

TEST(AppLookWin, TakingOverAskingAndStoringOnlyWithARestart)
{
    ResetTestProfile();
    CFakeFrame frame;
    int look = 211;
    SelectLook(look, 212, frame.Get(), frame.Get(), AfxProfile());
    EXPECT_EQ(212, look);
    EXPECT_EQ(-1, AfxProfile().ReadInt(kWorkspaceSection, L"ApplicationLook", -1));
    EXPECT_EQ(0u, TakePostedCommand(frame.Get()));

    // From and to "Basic Windows Skin": asked; No leaves everything, Yes
    // stores and asks the frame to exit, the look in force unchanged.
    const struct {
        int from, to, button;
        const wchar_t* question;
    } cases[] = {
        {219, 213, IDNO, LookRestartQuestion(LookChange::AskFromBasic)},
        {219, 213, IDYES, LookRestartQuestion(LookChange::AskFromBasic)},
        {215, 219, IDNO, LookRestartQuestion(LookChange::AskToBasic)},
        {215, 219, IDYES, LookRestartQuestion(LookChange::AskToBasic)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to) + (c.button == IDYES ? " yes" : " no"));
        ResetTestProfile();
        look = c.from;
        std::wstring question;
        CModalScript script;
        script.Then([&] {
            HWND box = FindThreadDialog(L"Umbrix");
            if (!box) return false;
            question = MessageBoxText(box);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
            return true;
        });
        script.Start();
        SelectLook(look, c.to, frame.Get(), frame.Get(), AfxProfile());
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(c.question, question);
        EXPECT_EQ(c.from, look);
        EXPECT_EQ(c.button == IDYES ? c.to : -1, AfxProfile().ReadInt(kWorkspaceSection, L"ApplicationLook", -1));
        EXPECT_EQ(c.button == IDYES ? static_cast<UINT>(ID_APP_EXIT_UMBRIX) : 0u, TakePostedCommand(frame.Get()));
    }
}

TEST(AppLookWin, MenuMarksTheCurrentLookOnly)
{
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_TRUE(menu);
    for (int current : {213, 216, 219, -1}) {
        MarkLookItems(menu, current);
        for (int id = 210; id <= 219; ++id) {
            MENUITEMINFOW item{sizeof(item)};
            item.fMask = MIIM_FTYPE | MIIM_STATE;
            ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &item)) << id;
            EXPECT_TRUE(item.fType & MFT_RADIOCHECK) << id;
            EXPECT_EQ(id == current, (item.fState & MFS_CHECKED) != 0) << id << " with " << current;
        }
    }
    DestroyMenu(menu);
}

TEST(AppLookWin, ChooserMarksTheLookInForceAndSelectsOnClick)
{
    int look = 211;
    std::vector<int> asked;
    CDlgSelectGui dlg([&] { return look; }, [&](int id, HWND) { asked.push_back(id); });
    bool officeXp = false, basicAfterDecline = true;
    std::wstring notice;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg)) return false;
            HWND hwnd = dlg.GetSafeHwnd();
            officeXp = IsDlgButtonChecked(hwnd, 1001) == BST_CHECKED;
            // Asked but not taken (as when the restart question is declined).
            SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LOOK_BASIC_RADIO, BN_CLICKED), 0);
            basicAfterDecline = IsDlgButtonChecked(hwnd, IDC_LOOK_BASIC_RADIO) == BST_CHECKED;
            PostClick(hwnd, IDC_LOOK_CUSTOMIZE_MENU);
            return true;
        })
        .Then([&] {
            HWND box = FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd());
            if (!box) return false;
            notice = MessageBoxText(box);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return true;
        })
        .Wait(100)
        .Then([&] {
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    RunModal(dlg, script);
    EXPECT_TRUE(officeXp);
    EXPECT_EQ(std::vector<int>{219}, asked);
    EXPECT_FALSE(basicAfterDecline);
    EXPECT_EQ(kCustomizeMenuNotice, notice);
}

// ---------------------------------------------------------------------------
// Welcome, help videos, about

TEST(WelcomeCenter, SettingsClosesAndAsksTheFrameButtonsAndLinkAct)
{
    CRecordingSystem system;
    CSystemOverride override(system);
    CFakeFrame frame;
    CDlgWelcome dlg(frame.Get());
    UINT shortcutCommand = 0;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg)) return false;
            SendMessageW(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_WELCOME_SHORTCUT, BN_CLICKED), 0);
            shortcutCommand = TakePostedCommand(frame.Get());
            NMHDR click{dlg.GetDlgItem(IDC_WELCOME_FEEDBACK), IDC_WELCOME_FEEDBACK, static_cast<UINT>(NM_CLICK)};
            SendMessageW(dlg.GetSafeHwnd(), WM_NOTIFY, IDC_WELCOME_FEEDBACK, reinterpret_cast<LPARAM>(&click));
            PostClick(dlg.GetSafeHwnd(), IDC_WELCOME_SETTINGS);
            return true;
        });
    RunModal(dlg, script);
    EXPECT_EQ(static_cast<UINT>(ID_CREATE_DESKTOP_SHORTCUT), shortcutCommand);
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_SETTINGS), TakePostedCommand(frame.Get()));
    const auto executed = system.Executed();
    ASSERT_EQ(1u, executed.size());
    EXPECT_EQ(L"https://www.corvane.example/umbrix/feedback/", executed[0].file);
    EXPECT_EQ(SW_SHOWMAXIMIZED, executed[0].show);
}

TEST(HelpVideos, WithoutTheBrowserALinkFollowsTheResizableWindow)
{
    CRecordingSystem system;
    CSystemOverride override(system);
    CDlgHelpVideos dlg;
    bool linkShown = false, noteShown = false, browser = true;
    RECT before{}, after{}, note{};
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        HWND link = dlg.GetDlgItem(IDC_HELP_VIDEOS_LINK);
        browser = dlg.BrowserShown();
        linkShown = IsWindowVisible(link) != FALSE;
        GetWindowRect(link, &before);
        SetWindowPos(dlg.GetSafeHwnd(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
        GetWindowRect(link, &after);
        noteShown = IsWindowVisible(dlg.GetDlgItem(IDC_HELP_VIDEOS_NOTE)) != FALSE;
        GetWindowRect(dlg.GetDlgItem(IDC_HELP_VIDEOS_NOTE), &note);
        NMHDR click{link, IDC_HELP_VIDEOS_LINK, static_cast<UINT>(NM_CLICK)};
        SendMessageW(dlg.GetSafeHwnd(), WM_NOTIFY, IDC_HELP_VIDEOS_LINK, reinterpret_cast<LPARAM>(&click));
        PostMessageW(dlg.GetSafeHwnd(), WM_CLOSE, 0, 0);
        return true;
    });
    RunModal(dlg, script);
    // The test prefix has no HTML engine, so the link stands in.
    EXPECT_FALSE(browser);
    EXPECT_TRUE(linkShown);
    EXPECT_NE(before.top, after.top) << "the link stays centred";
    // The note stands above the link, apart from it: one text per control.
    EXPECT_TRUE(noteShown);
    EXPECT_LE(note.bottom, after.top);
    ASSERT_EQ(1u, system.Executed().size());
    EXPECT_EQ(L"https://www.corvane.example/umbrix/videos/", system.Executed()[0].file);
}

// The names this test program hands LoadLibraryW and LoadLibraryExW, caught
// in its own import table.
std::vector<std::wstring> g_libraryNames;
decltype(&LoadLibraryW) g_loadLibrary = nullptr;
decltype(&LoadLibraryExW) g_loadLibraryEx = nullptr;

HMODULE WINAPI RecordLoadLibrary(LPCWSTR name)
{
    g_libraryNames.push_back(name ? name : L"");
    return g_loadLibrary(name);
}

HMODULE WINAPI RecordLoadLibraryEx(LPCWSTR name, HANDLE file, DWORD flags)
{
    g_libraryNames.push_back(name ? name : L"");
    return g_loadLibraryEx(name, file, flags);
}

// Puts `replacement` into the import-table slot of `function`; the slot's
// previous value.
template <typename Fn>
Fn SwapImport(const char* function, Fn replacement)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
        base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    for (; dll->Name; ++dll) {
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
                strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name, function) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
            const Fn previous = reinterpret_cast<Fn>(slot->u1.Function);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(slot, sizeof(*slot), protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

TEST(HelpVideos, TheHtmlEngineIsLookedForInTheSystemDirectoryOnly)
{
    g_libraryNames.clear();
    g_loadLibrary = SwapImport("LoadLibraryW", &RecordLoadLibrary);
    g_loadLibraryEx = SwapImport("LoadLibraryExW", &RecordLoadLibraryEx);
    HWND window = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    CExplorer1().Create(window, RECT{0, 0, 200, 200});
    DestroyWindow(window);
    if (g_loadLibrary) SwapImport("LoadLibraryW", g_loadLibrary);
    if (g_loadLibraryEx) SwapImport("LoadLibraryExW", g_loadLibraryEx);

    std::vector<std::wstring> engineLoads;
    for (const std::wstring& name : g_libraryNames)
        if (name.size() >= 10 && _wcsicmp(name.c_str() + name.size() - 10, L"mshtml.dll") == 0) engineLoads.push_back(name);
    ASSERT_EQ(engineLoads.size(), 1u);
    EXPECT_EQ(_wcsicmp(engineLoads[0].c_str(), (GetSystemDirectoryString() + L"\\mshtml.dll").c_str()), 0)
        << testing::PrintToString(engineLoads[0]);
}

TEST(AboutBox, LinksOpenTheWebSiteAndTheSupportMail)
{
    CRecordingSystem system;
    CSystemOverride override(system);
    CAboutDlg dlg;
    std::wstring caption;
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        caption = GetWindowTextString(dlg.GetSafeHwnd());
        for (int id : {IDC_ABOUT_WEBSITE, IDC_ABOUT_SUPPORT}) {
            NMHDR click{dlg.GetDlgItem(id), static_cast<UINT_PTR>(id), static_cast<UINT>(NM_CLICK)};
            SendMessageW(dlg.GetSafeHwnd(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&click));
        }
        PostClick(dlg.GetSafeHwnd(), IDOK);
        return true;
    });
    EXPECT_EQ(IDOK, RunModal(dlg, script));
    EXPECT_EQ(L"About Umbrix", caption);
    const auto executed = system.Executed();
    ASSERT_EQ(2u, executed.size());
    EXPECT_EQ(L"https://www.corvane.example/umbrix/", executed[0].file);
    EXPECT_EQ(0u, executed[1].file.find(L"mailto:support@corvane.example"));
}

}  // namespace
