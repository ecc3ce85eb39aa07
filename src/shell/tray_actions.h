#pragma once
// What the four mouse gestures on the tray icon do, the choices the settings
// window offers for them, how those choices are stored, and which tray-menu
// item is the default. Portable: the settings view feeds the stored values in
// and carries out the decisions.
#include <array>
#include <cstddef>
#include <string>

class ISettingsStore;

// Commands a click action may name besides the menu's own.
inline constexpr int kClickActionDefault = -1;   // the gesture's default
inline constexpr int kClickActionNone = 0;       // nothing (no command has id 0)
inline constexpr int kCommandShowTrayMenu = 310;  // "Display System Tray Menu"
inline constexpr int kCommandMonitorOff = 32804;  // "Umbrix"

enum class TrayGesture { LeftClick, RightClick, LeftDoubleClick, RightDoubleClick };

// One entry of the click-action lists: its text and the value stored for it.
struct ClickListEntry {
    const wchar_t* text;
    int value;
};
inline constexpr std::size_t kClickListSize = 14;
// The entries in list order (the lists are not sorted).
const std::array<ClickListEntry, kClickListSize>& ClickListEntries();
// Index of the first entry with `value`, or -1 when no entry has it (a value
// written by hand): the list then shows no selection.
int ClickListIndexOf(int value);
// Value of the entry at `index`; -1 ("Default Action") for no selection or
// an index outside the list.
int ClickListValueAt(int index);

// The stored value name of a gesture, e.g. "Left Button Click Action".
const wchar_t* ClickActionValueName(TrayGesture gesture);

struct TrayClickDecision {
    enum class Kind { Nothing, ShowMenu, PostCommand };
    Kind kind = Kind::Nothing;
    int command = 0;  // for PostCommand; 0 ("None") is posted too and does nothing
};
// Reads the gesture's stored action (default -1) and decides.
TrayClickDecision DecideTrayClick(TrayGesture gesture, ISettingsStore& store);

// The command whose menu item is shown in bold: the stored left double-click
// action, 32804 when that is the default.
int TrayMenuDefaultCommand(ISettingsStore& store);

// The values taken from the four lists (-1 for a list without selection).
struct ClickActionChoice {
    int leftClick = kClickActionDefault;
    int rightClick = kClickActionDefault;
    int leftDoubleClick = kClickActionDefault;
    int rightDoubleClick = kClickActionDefault;
};
// Writes the four values in list order. A double-click action other than the
// default clears (stores "None" for) the same button's single-click action,
// because every double click also delivers that button's single-click
// release. `reset` stores "Default Action" for all four instead.
void StoreClickActions(ISettingsStore& store, ClickActionChoice choice, bool reset);

// The show-icon box acts on its own new state, not on whatever icon happens
// to be shown: ticked and no icon creates one, unticked and an icon removes it.
enum class ShowIconStep { Nothing, Create, Remove };
ShowIconStep DecideShowIconBox(bool ticked, bool iconPresent);
