// The screen-corner decision with any stored corner, flag and action text,
// any monitor layout and any sampled (or unreadable) cursor position.
#include <cwctype>

#include "fuzz_support.h"
#include "schedule/screen_corner.h"

namespace {

MonitorArea ConsumeMonitor(FuzzedDataProvider& data)
{
    // Sizes stay small enough that right = left + width never overflows.
    MonitorArea m;
    m.left = data.ConsumeIntegralInRange<int>(-100000, 100000);
    m.top = data.ConsumeIntegralInRange<int>(-100000, 100000);
    m.right = m.left + data.ConsumeIntegralInRange<int>(-2, 10000);
    m.bottom = m.top + data.ConsumeIntegralInRange<int>(-2, 10000);
    m.primary = data.ConsumeBool();
    return m;
}

bool Inside(const MonitorArea& m, CornerPoint p)
{
    return p.x >= m.left && p.x < m.right && p.y >= m.top && p.y < m.bottom;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int corner = data.ConsumeIntegral<int>();

    std::vector<MonitorArea> monitors(data.ConsumeIntegralInRange<std::size_t>(0, 4));
    for (MonitorArea& m : monitors) m = ConsumeMonitor(data);

    // A monitor with a size has its corner pixel on itself.
    for (const MonitorArea& m : monitors) {
        const CornerPoint point = CornerPointOf(corner, m);
        if (m.right > m.left && m.bottom > m.top) FUZZ_CHECK(Inside(m, point));
    }

    // Each list text names its action in any letter case.
    const std::size_t item = data.ConsumeIntegralInRange<std::size_t>(0, 2);
    std::wstring text = kCornerActionTexts[item];
    for (wchar_t& c : text)
        if (data.ConsumeBool()) c = static_cast<wchar_t>(std::towupper(c));
    FUZZ_CHECK(CornerActionOf(text) == static_cast<CornerAction>(item + 1));
    FUZZ_CHECK(CornerActionOf(text + L" ") == CornerAction::None);

    // A run of ticks: an action runs only with the cursor on the one point of
    // its corner, and at most once until the cursor has been seen off it.
    CScreenCorner check;
    std::optional<CornerPoint> cursor = CornerPoint{};
    bool ranSinceLeaving = false;
    while (data.remaining_bytes() > 0) {
        const int storedCorner = data.ConsumeIntegralInRange<int>(-2, 5);
        const int enabled = data.ConsumeIntegralInRange<int>(-1, 2);
        const std::wstring actionText = data.ConsumeBool() ? std::wstring(kCornerActionTexts[item]) : ConsumeWide(data, 8);
        const CornerStep step = check.Check(storedCorner, enabled, actionText, cursor, monitors);
        const bool onCorner = cursor && OnScreenCorner(storedCorner, *cursor, monitors);
        if (onCorner) {
            // Exactly one point counts per corner: none of its neighbours does.
            for (const CornerPoint d : {CornerPoint{1, 0}, CornerPoint{-1, 0}, CornerPoint{0, 1}, CornerPoint{0, -1}})
                FUZZ_CHECK(!OnScreenCorner(storedCorner, {cursor->x + d.x, cursor->y + d.y}, monitors));
            bool onSomeMonitorsCorner = false;
            for (const MonitorArea& m : monitors) {
                const CornerPoint point = CornerPointOf(storedCorner, m);
                onSomeMonitorsCorner |= point.x == cursor->x && point.y == cursor->y;
            }
            FUZZ_CHECK(onSomeMonitorsCorner);
        }
        if (step.run != CornerAction::None) {
            FUZZ_CHECK(storedCorner >= 0 && enabled && onCorner && step.wait && !ranSinceLeaving);
            ranSinceLeaving = true;
        }
        if (storedCorner < 0 || (cursor && !onCorner)) ranSinceLeaving = false;
        if (step.sampleAfter) {
            if (data.ConsumeBool() && !monitors.empty()) {
                const MonitorArea& m = monitors[data.ConsumeIntegralInRange<std::size_t>(0, monitors.size() - 1)];
                cursor = CornerPointOf(storedCorner, m);
            } else if (data.ConsumeBool()) {
                cursor.reset();
            } else {
                cursor = CornerPoint{data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>()};
            }
        }
    }
    return 0;
}
