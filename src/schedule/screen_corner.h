#pragma once
// The screen-corner action: which pixel is the corner, which action a stored
// text names, and when the action may run. Portable: the 1-second tick hands
// in the settings, the screen size and the sampled cursor position, and
// carries out the answer.
#include <string>

struct CornerPoint {
    int x = 0;
    int y = 0;
};

enum class CornerAction { None, MonitorOff, LockAndMonitorOff, StartScreenSaver };

// The texts of the dialog's list, in list order; also the stored values.
inline constexpr const wchar_t* kCornerActionTexts[] = {
    L"Umbrix",
    L"Lock WorkStation and Umbrix",
    L"Start Default ScreenSaver",
};

// The corner pixel of the primary display for "CursorLocationForAction":
// 0 upper left, 1 upper right, 2 lower left, 3 lower right; any other value
// is the upper left. 1 is taken from a width or height only when it is
// positive, so a screen that reports no size never yields a negative point.
CornerPoint CornerPointOf(int corner, int width, int height);

// The action a stored text names, ignoring letter case; None for any other text.
CornerAction CornerActionOf(const std::wstring& text);

// What one check asks of the tick.
struct CornerStep {
    bool sampleAfter = false;                 // sample the cursor when the tick ends
    CornerAction run = CornerAction::None;    // the action to run now
    bool wait = false;                        // then block for kCornerWaitMs
};

inline constexpr unsigned kCornerWaitMs = 1000;

// The corner's armed flag and whether the position handed in is a real
// sample. Contract with the tick: whenever Check answers sampleAfter, the
// tick samples the cursor, and the next Check receives that sample.
class CScreenCorner {
public:
    // `corner` is "CursorLocationForAction" (below 0: none configured),
    // `enabled` "Do Action at Screen Corner", `actionText` "Action at Screen
    // Corner", `cursor` the position sampled at the end of the previous tick,
    // `width` and `height` the primary display's size.
    CornerStep Check(int corner, int enabled, const std::wstring& actionText, CornerPoint cursor, int width,
                     int height);

    bool Armed() const { return m_armed; }

private:
    bool m_armed = true;
    // False until the tick has sampled after a check that found a corner
    // configured: before that the position handed in was never sampled (or is
    // stale), and it counts as off every corner.
    bool m_sampled = false;
};
