#pragma once
// The five action items of the schedule dialog, the operation each asks for,
// and which list entries a stored choice selects. Portable.
#include <array>
#include <optional>
#include <string>
#include <vector>

// In list order; the chosen text is what "Action" stores.
inline constexpr std::array<const wchar_t*, 5> kActionItems = {
    L"Shutdown", L"Shutdown(Brute)", L"Restart", L"Restart(Brute)", L"Log Off"};

// ExitWindowsEx operation flags (the values of EWX_LOGOFF, EWX_SHUTDOWN,
// EWX_REBOOT and EWX_FORCE).
inline constexpr unsigned kExitLogOff = 0;
inline constexpr unsigned kExitShutdown = 1;
inline constexpr unsigned kExitReboot = 2;
inline constexpr unsigned kExitForce = 4;

inline constexpr int kMinMinutes = 1;
inline constexpr int kMaxMinutes = 120;

// The ExitWindowsEx flags to request for an action text, one entry per
// keyword it contains, tested in the order "restart", "shutdown", "log off"
// (ignoring case); each gets kExitForce when the text also contains "brute".
// Every action item yields exactly one entry; other texts may yield none.
std::vector<unsigned> ExitRequestsForAction(const std::wstring& action);

// The minutes list entry to select for a stored "Duration": position
// minutes - 1, or none outside 1..120.
std::optional<int> DurationListIndex(int storedMinutes);
// The action list entry to select for a stored "Action": the first item that
// begins with the stored text, ignoring case; none when no item does.
std::optional<int> ActionListIndex(const std::wstring& storedAction);

// Lower case of the ASCII letters; other characters stay as they are.
std::wstring AsciiLower(const std::wstring& text);
