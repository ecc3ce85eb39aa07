// Vandric's comctl32, delay-loaded after the DLL search was limited (as in
// its main), is still version 6 through its manifest.
#include <gtest/gtest.h>

#include "win/common_controls_v6.h"

TEST(VandricCommonControls, AreVersion6)
{
    EXPECT_TRUE(ButtonsAreCommonControls6());
}
