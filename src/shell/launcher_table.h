#pragma once
// The menu commands that only start another program: a system settings page,
// a companion in the program's folder, or a web page of the maker. Portable;
// the Win32 side forms the paths and makes the start.

enum class LauncherBase {
    SystemDirectory,  // file is appended to the system directory
    ProgramFolder,    // file is a companion in the program's folder
    Address,          // file is a web address
};

enum class LauncherHandler { View, Frame };
enum class LauncherShow { Normal, Maximized };

struct Launcher {
    unsigned command;
    LauncherHandler handler;
    LauncherBase base;
    const wchar_t* file;        // "\control.exe", "Vandric.exe", an address
    const wchar_t* verb;
    const wchar_t* parameters;  // passed exactly, leading blanks included
    LauncherShow show;
    bool serviceNotice;         // the one-time notice comes first
};

// The launcher of `command` handled by `handler`, or nullptr.
const Launcher* FindLauncher(unsigned command, LauncherHandler handler);

inline constexpr const wchar_t* kSupportAddress = L"support@corvane.example";
// The notice shown once before the service configurator first starts.
const wchar_t* ServiceNoticeText();
