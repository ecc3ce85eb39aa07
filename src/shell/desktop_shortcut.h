#pragma once
// Desktop shortcuts for numbered actions: the chooser's list, the split of a
// chosen entry, and everything about the shortcut file and the right-click
// registration that follows from the choice. Portable.
#include <optional>
#include <string>
#include <vector>

// "<number>\t<name>" for actions 1 to 16, and 17 to 21 on class 106.
std::vector<std::wstring> ShortcutActionList(int versionClass);

struct ShortcutEntry {
    int number = 0;
    std::wstring name;
};
// Reads an entry as the scan format "%d\t%[^\n]" does: a decimal number after
// optional white space, then any white space, then the rest up to a line end.
// Nothing when there is no number or no name after it.
std::optional<ShortcutEntry> SplitActionEntry(const std::wstring& text);

// One command-line argument in double quotes, escaped so that the usual
// argument splitting hands back exactly `text` (embedded quotes included).
std::wstring QuoteArgument(const std::wstring& text);

// The chooser's result: selected entry text and the two check boxes (0 or 1).
struct ShortcutChoice {
    std::wstring entryText;
    int confirm = 1;
    int rightClick = 0;
};

struct ShortcutPlan {
    enum class Problem { None, NoDesktop, PathTooLong };
    Problem problem = Problem::None;
    std::wstring target;       // the program itself
    std::wstring linkPath;     // "<desktop>\<name> (With|Without Confirmation).lnk"
    int argument = 0;          // action number, 1000 added when confirming
    std::wstring description;  // "Action With|Without Confirmation"
    bool startHelper = false;  // right-click registration through UmbrixHelper
    std::wstring helperPath;
    std::wstring helperParameters;  // "<quoted name> <quoted command>"
};

// Longest path (in characters, without the terminator) a shell-link buffer holds.
inline constexpr std::size_t kMaxShortcutPath = 259;

// Nothing when the entry cannot be split. `desktopDir` empty means the
// desktop folder could not be determined.
std::optional<ShortcutPlan> PlanDesktopShortcut(const ShortcutChoice& choice, const std::wstring& programFolder,
                                                const std::wstring& desktopDir, int versionClass);

// "Could not create Shortcut on Desktop", a line break, then the system's
// text for `code` without its trailing line break, or the code in hex when
// the system has no text for it.
std::wstring ShortcutFailureMessage(unsigned code, const std::wstring& systemText);
