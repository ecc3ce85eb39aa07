#include "schedule/screen_corner.h"

#include <gtest/gtest.h>

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
        const CornerPoint p = CornerPointOf(c.corner, c.width, c.height);
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

struct Tick {
    CornerPoint cursor;
    bool sample;
    CornerAction run;
    bool armedAfter;
};

void RunTicks(CScreenCorner& corner, int cornerIndex, int enabled, const std::wstring& text,
              const std::vector<Tick>& ticks)
{
    int n = 0;
    for (const Tick& t : ticks) {
        const CornerStep step = corner.Check(cornerIndex, enabled, text, t.cursor, 1920, 1080);
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

TEST(ScreenCorner, UnconfiguredCornerNeedsNoSampleAndForgetsTheOldOne)
{
    CScreenCorner corner;
    EXPECT_FALSE(corner.Check(-1, 1, L"Umbrix", kOrigin, 1920, 1080).sampleAfter);
    EXPECT_TRUE(corner.Check(0, 1, L"Umbrix", kOrigin, 1920, 1080).sampleAfter);
    EXPECT_EQ(corner.Check(0, 1, L"Umbrix", kOrigin, 1920, 1080).run, CornerAction::MonitorOff);
    // Corner removed, then configured again while the old sample still says (0, 0).
    EXPECT_FALSE(corner.Check(-1, 1, L"Umbrix", kOrigin, 1920, 1080).sampleAfter);
    EXPECT_EQ(corner.Check(0, 1, L"Umbrix", kOrigin, 1920, 1080).run, CornerAction::None);
}

TEST(ScreenCorner, DisabledKeepsFollowingTheCursorAndFiresOnceEnabled)
{
    CScreenCorner corner;
    RunTicks(corner, 3, 0, L"Umbrix",
             {
                 {kMiddle, true, CornerAction::None, true},
                 {{1919, 1079}, true, CornerAction::None, true},
                 {{1919, 1079}, true, CornerAction::None, true},
             });
    EXPECT_EQ(corner.Check(3, 1, L"Umbrix", {1919, 1079}, 1920, 1080).run, CornerAction::MonitorOff);
}

TEST(ScreenCorner, UnknownTextRunsNothingButWaitsAndStaysArmed)
{
    CScreenCorner corner;
    corner.Check(0, 1, L"Dance", kOrigin, 1920, 1080);
    for (int i = 0; i < 3; ++i) {
        const CornerStep step = corner.Check(0, 1, L"Dance", kOrigin, 1920, 1080);
        EXPECT_EQ(step.run, CornerAction::None);
        EXPECT_TRUE(step.wait);
        EXPECT_TRUE(corner.Armed());
    }
}

}  // namespace
