#include "schedule/screen_corner.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

TEST(CornerPoint, SubtractsOneOnlyFromAPositiveSize)
{
    const struct {
        int corner, width, height, x, y;
    } cases[] = {
        {0, 1920, 1080, 0, 0},     {1, 1920, 1080, 1919, 0}, {2, 1920, 1080, 0, 1079},
        {3, 1920, 1080, 1919, 1079}, {4, 1920, 1080, 0, 0},  {99, 1920, 1080, 0, 0},
        {3, 0, 0, 0, 0},           {3, -5, 1, -5, 0},        {1, 1, 1, 0, 0},
    };
    for (const auto& c : cases) {
        const CornerPoint p = CornerPointOf(c.corner, MonitorArea{0, 0, c.width, c.height});
        EXPECT_EQ(p.x, c.x) << c.corner << " " << c.width;
        EXPECT_EQ(p.y, c.y) << c.corner << " " << c.height;
    }
}

TEST(CornerAction, MatchesTheListTextsIgnoringCase)
{
    const struct {
        const wchar_t* text;
        CornerAction action;
    } cases[] = {
        {L"Umbrix", CornerAction::MonitorOff},
        {L"UMBRIX", CornerAction::MonitorOff},
        {L"lock workstation and umbrix", CornerAction::LockAndMonitorOff},
        {L"Start Default ScreenSaver", CornerAction::StartScreenSaver},
        {L"START DEFAULT SCREENSAVER", CornerAction::StartScreenSaver},
        {L"", CornerAction::None},
        {L"Umbrix ", CornerAction::None},
        {L"Umbri", CornerAction::None},
        {L"Lock WorkStation", CornerAction::None},
    };
    for (const auto& c : cases) EXPECT_EQ(CornerActionOf(c.text), c.action);
}

TEST(OnScreenCorner, OnePointPerCornerNearestTheDesktopsOuterCorner)
{
    using Layout = std::vector<MonitorArea>;
    const Layout one{{0, 0, 1920, 1080}};
    const Layout sideBySide{{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}};
    const Layout stacked{{0, 0, 1920, 1080}, {0, 1080, 1920, 2160}};
    const Layout taller{{0, 0, 1920, 1080}, {1920, -120, 3200, 1080}};  // stands out above the primary
    const Layout leftOf{{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
    const Layout above{{0, 0, 1920, 1080}, {0, -1080, 1920, 0}};
    const Layout laptopAndMonitor{{0, 0, 1366, 768, true}, {1366, 0, 3286, 1080}};
    const Layout lShaped{{0, 0, 1920, 1080, true}, {1920, 0, 3840, 1080}, {0, 1080, 1920, 2160}};
    const Layout monitorAboveLaptop{{-277, -1080, 1643, 0}, {0, 0, 1366, 768, true}};
    const Layout diagonal{{0, 0, 1000, 1000}, {1000, 1000, 2000, 2000, true}};  // upper right: equally near
    // A position at the end of int's range (a fuzzer's find): one pixel
    // beyond it is looked at without overflow.
    const Layout extreme{{INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}};
    const struct {
        const Layout& layout;
        int corner, x, y;
        bool on;
    } cases[] = {
        {one, 0, 0, 0, true},           {one, 1, 1919, 0, true},          {one, 1, 1918, 0, false},
        {one, 2, 0, 1079, true},        {one, 3, 1919, 1079, true},       {one, 3, 0, 0, false},
        {sideBySide, 1, 1919, 0, false}, {sideBySide, 1, 3839, 0, true},  {sideBySide, 0, 1920, 0, false},
        {stacked, 2, 0, 1079, false},   {stacked, 2, 0, 2159, true},      {stacked, 1, 1919, 0, true},
        {taller, 1, 1919, 0, false},    {taller, 1, 3199, -120, true},    {taller, 0, 1920, -120, false},
        {taller, 0, 0, 0, true},
        {leftOf, 0, 0, 0, false},       {leftOf, 0, -1280, 0, true},      {leftOf, 2, 0, 1079, false},
        {leftOf, 2, -1280, 1023, true},
        {laptopAndMonitor, 2, 0, 767, true},       {laptopAndMonitor, 2, 1366, 1079, false},
        {laptopAndMonitor, 3, 3285, 1079, true},   {laptopAndMonitor, 0, 0, 0, true},
        {lShaped, 3, 3839, 1079, true},            {lShaped, 3, 1919, 2159, false},
        {lShaped, 1, 3839, 0, true},               {lShaped, 2, 0, 2159, true},
        {monitorAboveLaptop, 0, -277, -1080, true}, {monitorAboveLaptop, 2, 0, 767, true},
        {monitorAboveLaptop, 2, -277, -1, false},  {monitorAboveLaptop, 1, 1642, -1080, true},
        {diagonal, 1, 1999, 1000, true},           {diagonal, 1, 999, 0, false},
        {above, 0, 0, 0, false},        {above, 1, 1919, -1080, true},    {Layout{}, 0, 0, 0, false},
        {extreme, 0, INT_MIN, INT_MIN, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnScreenCorner(c.corner, {c.x, c.y}, c.layout), c.on) << c.corner << " at " << c.x << "," << c.y;
}

const std::vector<MonitorArea> kScreen{{0, 0, 1920, 1080}};

struct Tick {
    std::optional<CornerPoint> cursor;
    bool sample;
    CornerAction run;
    bool armedAfter;
};

void RunTicks(CScreenCorner& corner, int cornerIndex, int enabled, const std::wstring& text,
              const std::vector<Tick>& ticks)
{
    int n = 0;
    for (const Tick& t : ticks) {
        const CornerStep step = corner.Check(cornerIndex, enabled, text, t.cursor, kScreen);
        EXPECT_EQ(step.sampleAfter, t.sample) << "tick " << n;
        EXPECT_EQ(step.run, t.run) << "tick " << n;
        EXPECT_EQ(step.wait, t.run != CornerAction::None) << "tick " << n;
        EXPECT_EQ(corner.Armed(), t.armedAfter) << "tick " << n;
        ++n;
    }
}

constexpr CornerPoint kTopRight{1919, 0};
constexpr CornerPoint kNearTopRight{1918, 0};
constexpr CornerPoint kMiddle{960, 540};
constexpr CornerPoint kOrigin{0, 0};
constexpr CornerPoint kBottomRight{1919, 1079};

TEST(ScreenCorner, FiresOnceWhileTheCursorRestsAndAgainAfterLeaving)
{
    CScreenCorner corner;
    RunTicks(corner, 1, 1, L"Umbrix",
             {
                 {kTopRight, true, CornerAction::None, true},  // first check: never sampled
                 {kTopRight, true, CornerAction::MonitorOff, false},
                 {kTopRight, true, CornerAction::None, false},
                 {kTopRight, true, CornerAction::None, false},
                 {kNearTopRight, true, CornerAction::None, true},
                 {kTopRight, true, CornerAction::MonitorOff, false},
             });
}

TEST(ScreenCorner, APositionNeverSampledCountsAsOffEveryCorner)
{
    // The view's position starts as (0, 0): upper left must not fire at start.
    CScreenCorner corner;
    RunTicks(corner, 0, 1, L"Lock WorkStation and Umbrix",
             {
                 {kOrigin, true, CornerAction::None, true},
                 {kMiddle, true, CornerAction::None, true},
                 {kOrigin, true, CornerAction::LockAndMonitorOff, false},
             });
}

TEST(ScreenCorner, AnUnreadPositionFiresNothingAndKeepsTheFlag)
{
    // No stale (0, 0) at start; and a desktop locked by the action, where the
    // position cannot be read, does not count as having left the corner.
    CScreenCorner corner;
    RunTicks(corner, 0, 1, L"Lock WorkStation and Umbrix",
             {
                 {kMiddle, true, CornerAction::None, true},
                 {std::nullopt, true, CornerAction::None, true},
                 {std::nullopt, true, CornerAction::None, true},
                 {kOrigin, true, CornerAction::LockAndMonitorOff, false},
                 {std::nullopt, true, CornerAction::None, false},
                 {kOrigin, true, CornerAction::None, false},
             });
}

TEST(ScreenCorner, UnconfiguredCornerNeedsNoSampleAndForgetsTheOldOne)
{
    CScreenCorner corner;
    EXPECT_FALSE(corner.Check(-1, 1, L"Umbrix", kOrigin, kScreen).sampleAfter);
    EXPECT_TRUE(corner.Check(0, 1, L"Umbrix", kOrigin, kScreen).sampleAfter);
    EXPECT_EQ(corner.Check(0, 1, L"Umbrix", kOrigin, kScreen).run, CornerAction::MonitorOff);
    // Corner removed, then configured again while the old sample still says (0, 0).
    EXPECT_FALSE(corner.Check(-1, 1, L"Umbrix", kOrigin, kScreen).sampleAfter);
    EXPECT_EQ(corner.Check(0, 1, L"Umbrix", kOrigin, kScreen).run, CornerAction::None);
}

TEST(ScreenCorner, DisabledKeepsFollowingTheCursorAndFiresOnceEnabled)
{
    CScreenCorner corner;
    RunTicks(corner, 3, 0, L"Umbrix",
             {
                 {kMiddle, true, CornerAction::None, true},
                 {kBottomRight, true, CornerAction::None, true},
                 {kBottomRight, true, CornerAction::None, true},
             });
    EXPECT_EQ(corner.Check(3, 1, L"Umbrix", kBottomRight, kScreen).run, CornerAction::MonitorOff);
}

TEST(ScreenCorner, UnknownTextRunsNothingButWaitsAndStaysArmed)
{
    CScreenCorner corner;
    corner.Check(0, 1, L"Dance", kOrigin, kScreen);
    for (int i = 0; i < 3; ++i) {
        const CornerStep step = corner.Check(0, 1, L"Dance", kOrigin, kScreen);
        EXPECT_EQ(step.run, CornerAction::None);
        EXPECT_TRUE(step.wait);
        EXPECT_TRUE(corner.Armed());
    }
}

}  // namespace
