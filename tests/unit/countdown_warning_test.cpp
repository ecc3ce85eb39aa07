#include <gtest/gtest.h>

#include "timer/countdown_warning.h"

TEST(CountdownWarning, Sentences)
{
    const std::wstring brute = L" Running programs will be closed without asking.";
    EXPECT_EQ(WarningSentence(L"Shutdown", L"21:05"), L"Vandric will shut down the computer at 21:05.");
    EXPECT_EQ(WarningSentence(L"Shutdown(Brute)", L"9:05 PM"), L"Vandric will shut down the computer at 9:05 PM." + brute);
    EXPECT_EQ(WarningSentence(L"Restart", L"t"), L"Vandric will restart the computer at t.");
    EXPECT_EQ(WarningSentence(L"Restart(Brute)", L"t"), L"Vandric will restart the computer at t." + brute);
    EXPECT_EQ(WarningSentence(L"Log Off", L"t"), L"Vandric will log you off at t.");
    EXPECT_EQ(WarningSentence(L"Hibernate", L"t"), L"");
    EXPECT_EQ(WarningSecondsText(60), L"60 seconds left");
    EXPECT_EQ(WarningSecondsText(1), L"1 second left");
    EXPECT_EQ(WarningSecondsText(-1), L"0 seconds left");
}

// Beside the taskbar wherever it is, on the taskbar's monitor.
TEST(CountdownWarning, WindowSitsBesideTheTaskbar)
{
    const ScreenRect primary{0, 0, 1920, 1080};
    const ScreenRect right{1920, -200, 3840, 1000};
    const struct {
        TaskbarEdge edge;
        ScreenRect taskbar, monitor;
        ScreenPoint expected;
    } rows[] = {
        {TaskbarEdge::Bottom, {0, 1040, 1920, 1080}, primary, {1612, 932}},
        {TaskbarEdge::Top, {0, 0, 1920, 40}, primary, {1612, 48}},
        {TaskbarEdge::Left, {0, 0, 60, 1080}, primary, {68, 972}},
        {TaskbarEdge::Right, {1860, 0, 1920, 1080}, primary, {1552, 972}},
        {TaskbarEdge::Bottom, {1920, 960, 3840, 1000}, right, {3532, 852}},
        {TaskbarEdge::Top, {1920, -200, 3840, -160}, right, {3532, -152}},
        {TaskbarEdge::Unknown, {0, 0, 0, 0}, primary, {1612, 972}},
        {TaskbarEdge::Bottom, {0, 5000, 1920, 5040}, primary, {1612, 980}},  // stale: kept on screen
    };
    for (const auto& r : rows)
        EXPECT_EQ(WarningWindowPosition(r.edge, r.taskbar, r.monitor, 300, 100), r.expected)
            << static_cast<int>(r.edge) << " " << r.monitor.left;
}
