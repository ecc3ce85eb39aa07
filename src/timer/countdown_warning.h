#pragma once
// The texts of the warnings before the action and where the warning window
// goes beside the taskbar. Portable.
#include <string>

// "Vandric will shut down the computer at <time>.", "... restart the computer
// ..." or "Vandric will log you off at <time>.", with " Running programs will
// be closed without asking." appended for a Brute action. Empty for a text
// that names no action.
std::wstring WarningSentence(const std::wstring& action, const std::wstring& time);
// The warning window's first line: "<n> seconds left" ("1 second left").
std::wstring WarningSecondsText(int remainingSeconds);

struct ScreenRect {
    int left, top, right, bottom;
    bool operator==(const ScreenRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
struct ScreenPoint {
    int x, y;
    bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
};
enum class TaskbarEdge { Left, Top, Right, Bottom, Unknown };

// Top-left corner of a width x height window beside the taskbar on its
// monitor: next to the taskbar at the end where the notification area is
// (right, or bottom for a vertical taskbar), kWarningMargin away from it and
// from the monitor's edge, and always inside the monitor. Unknown (no
// taskbar) puts it in the bottom-right corner of `monitor`.
ScreenPoint WarningWindowPosition(TaskbarEdge edge, const ScreenRect& taskbar, const ScreenRect& monitor, int width,
                                  int height);
inline constexpr int kWarningMargin = 8;
