#pragma once
// The ten application looks: their identifiers (menu commands 210 to 219),
// the radio buttons of the look chooser, and what choosing one must do.
// Portable.
#include <optional>

inline constexpr int kLookFirst = 210;           // "Windows &2000"
inline constexpr int kLookBasicWindowsSkin = 219;
inline constexpr int kLookNone = -1;             // before the frame takes over the stored look
inline constexpr const wchar_t* kWorkspaceSection = L"Workspace";

// True for 210..219.
bool IsLookId(int id);
// The chooser's radio button of a look, and back; none for anything else.
std::optional<int> LookRadioButton(int lookId);
std::optional<int> LookOfRadioButton(int controlId);
// A stored "ApplicationLook" that names no look counts as the default.
int StoredLookOrDefault(int stored);

enum class LookChange {
    Nothing,           // already the current look
    Take,              // becomes the current look; nothing is stored
    AskFromBasic,      // leaving "Basic Windows Skin" needs a restart
    AskToBasic,        // so does switching to it
};
LookChange DecideLookChange(int id, int current);
// The question to ask for AskFromBasic and AskToBasic.
const wchar_t* LookRestartQuestion(LookChange change);
