#pragma once
// The screen-corner action: which pixel is a corner, which action a stored
// text names, and when the action may run. Portable: the 1-second tick hands
// in the settings, the monitors' rectangles and the sampled cursor position,
// and carries out the answer.
#include <optional>
#include <string>
#include <vector>

struct CornerPoint {
    int x = 0;
    int y = 0;
};

// One monitor in desktop pixels, as a RECT: right and bottom lie just outside.
// Monitors left of or above the primary one have negative coordinates.
struct MonitorArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool primary = false;
};

enum class CornerAction { None, MonitorOff, LockAndMonitorOff, StartScreenSaver };

// The texts of the dialog's list, in list order; also the stored values.
inline constexpr const wchar_t* kCornerActionTexts[] = {
    L"Umbrix",
    L"Lock WorkStation and Umbrix",
    L"Start Default ScreenSaver",
};

// The corner pixel of `monitor` for "CursorLocationForAction": 0 upper left,
// 1 upper right, 2 lower left, 3 lower right; any other value is the upper
// left. 1 is taken from a width or height only when it is positive, so a
// monitor that reports no size never yields a point left of or above it.
CornerPoint CornerPointOf(int corner, const MonitorArea& monitor);

// The one point that counts as `corner` of the desktop: the corner pixel of
// the monitor whose corner pixel lies nearest (straight-line distance) to the
// same corner of the rectangle around all monitors; on a tie the primary
// monitor's, else the first listed. Monitors without a size take no part;
// none when no monitor has one. With monitors of different sizes or offsets
// an inner edge that a moving cursor crosses by chance never counts.
std::optional<CornerPoint> ScreenCornerPoint(int corner, const std::vector<MonitorArea>& monitors);

// Whether `cursor` rests on ScreenCornerPoint.
bool OnScreenCorner(int corner, CornerPoint cursor, const std::vector<MonitorArea>& monitors);

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
    // Corner", `cursor` the position sampled at the end of the previous tick
    // (none when it could not be read, for example on a locked desktop: then
    // nothing runs and the armed flag keeps its state), `monitors` every
    // monitor of the desktop.
    CornerStep Check(int corner, int enabled, const std::wstring& actionText, std::optional<CornerPoint> cursor,
                     const std::vector<MonitorArea>& monitors);

    bool Armed() const { return m_armed; }

private:
    bool m_armed = true;
    // False until the tick has sampled after a check that found a corner
    // configured: before that the position handed in was never sampled (or is
    // stale), and it counts as off every corner.
    bool m_sampled = false;
};
