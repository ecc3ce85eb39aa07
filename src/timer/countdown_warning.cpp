#include "timer/countdown_warning.h"

#include <algorithm>

#include "timer/scheduled_action.h"

std::wstring WarningSentence(const std::wstring& action, const std::wstring& time)
{
    const std::vector<unsigned> requests = ExitRequestsForAction(action);
    if (requests.empty()) return {};
    const unsigned flags = requests.front();
    std::wstring text;
    if (flags & kExitReboot)
        text = L"Vandric will restart the computer at " + time + L".";
    else if (flags & kExitShutdown)
        text = L"Vandric will shut down the computer at " + time + L".";
    else
        text = L"Vandric will log you off at " + time + L".";
    if (flags & kExitForce) text += L" Running programs will be closed without asking.";
    return text;
}

std::wstring WarningSecondsText(int remainingSeconds)
{
    const int seconds = std::max(remainingSeconds, 0);
    return std::to_wstring(seconds) + (seconds == 1 ? L" second left" : L" seconds left");
}

ScreenPoint WarningWindowPosition(TaskbarEdge edge, const ScreenRect& taskbar, const ScreenRect& monitor, int width,
                                  int height)
{
    int x = monitor.right - kWarningMargin - width;
    int y = monitor.bottom - kWarningMargin - height;
    switch (edge) {
    case TaskbarEdge::Bottom: y = taskbar.top - kWarningMargin - height; break;
    case TaskbarEdge::Top: y = taskbar.bottom + kWarningMargin; break;
    case TaskbarEdge::Left: x = taskbar.right + kWarningMargin; break;
    case TaskbarEdge::Right: x = taskbar.left - kWarningMargin - width; break;
    case TaskbarEdge::Unknown: break;
    }
    // A taskbar that the report puts off its monitor (auto-hidden, or a
    // stale rectangle) must not push the window off the screen.
    x = std::max(monitor.left, std::min(x, monitor.right - width));
    y = std::max(monitor.top, std::min(y, monitor.bottom - height));
    return {x, y};
}
