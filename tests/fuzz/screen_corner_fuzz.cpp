// The screen-corner decision with any stored corner, flag and action text,
// any screen size and any sampled cursor position.
#include <cwctype>

#include "fuzz_support.h"
#include "schedule/screen_corner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int corner = data.ConsumeIntegral<int>();
    const int width = data.ConsumeIntegral<int>();
    const int height = data.ConsumeIntegral<int>();

    // The corner pixel lies on the screen; a size that is not positive is
    // taken as it is, never less one.
    const CornerPoint point = CornerPointOf(corner, width, height);
    FUZZ_CHECK(point.x == 0 || (width > 0 && point.x == width - 1) || (width <= 0 && point.x == width));
    FUZZ_CHECK(point.y == 0 || (height > 0 && point.y == height - 1) || (height <= 0 && point.y == height));
    if (width > 0 && height > 0) FUZZ_CHECK(point.x >= 0 && point.x < width && point.y >= 0 && point.y < height);

    // Each list text names its action in any letter case.
    const std::size_t item = data.ConsumeIntegralInRange<std::size_t>(0, 2);
    std::wstring text = kCornerActionTexts[item];
    for (wchar_t& c : text)
        if (data.ConsumeBool()) c = static_cast<wchar_t>(std::towupper(c));
    FUZZ_CHECK(CornerActionOf(text) == static_cast<CornerAction>(item + 1));
    FUZZ_CHECK(CornerActionOf(text + L" ") == CornerAction::None);

    // A run of ticks: an action runs only with the cursor on the corner, and
    // at most once until the cursor has left it.
    CScreenCorner check;
    CornerPoint cursor;
    bool ranSinceLeaving = false;
    while (data.remaining_bytes() > 0) {
        const int storedCorner = data.ConsumeIntegralInRange<int>(-2, 5);
        const int enabled = data.ConsumeIntegralInRange<int>(-1, 2);
        const std::wstring actionText = data.ConsumeBool() ? std::wstring(kCornerActionTexts[item]) : ConsumeWide(data, 8);
        const CornerStep step = check.Check(storedCorner, enabled, actionText, cursor, width, height);
        const CornerPoint target = CornerPointOf(storedCorner, width, height);
        const bool onCorner = cursor.x == target.x && cursor.y == target.y;
        if (step.run != CornerAction::None) {
            FUZZ_CHECK(storedCorner >= 0 && enabled && onCorner && step.wait && !ranSinceLeaving);
            ranSinceLeaving = true;
        }
        if (storedCorner < 0 || !onCorner) ranSinceLeaving = false;
        if (step.sampleAfter)
            cursor = data.ConsumeBool() ? target : CornerPoint{data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>()};
    }
    return 0;
}
