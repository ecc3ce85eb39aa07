#include <gtest/gtest.h>

#include "actions/version_class.h"

TEST(ClassifyWindowsVersion, NtFamily)
{
    EXPECT_EQ(ClassifyWindowsVersion(2, 3, 51, 1057), 101);
    EXPECT_EQ(ClassifyWindowsVersion(2, 4, 0, 1381), 102);
    EXPECT_EQ(ClassifyWindowsVersion(2, 5, 0, 2195), 103);
    EXPECT_EQ(ClassifyWindowsVersion(2, 5, 1, 2600), 104);
    EXPECT_EQ(ClassifyWindowsVersion(2, 5, 2, 3790), 105);
    EXPECT_EQ(ClassifyWindowsVersion(2, 6, 0, 6002), 106);
    EXPECT_EQ(ClassifyWindowsVersion(2, 6, 1, 7601), 106);
    EXPECT_EQ(ClassifyWindowsVersion(2, 10, 0, 19045), 106);
}

TEST(ClassifyWindowsVersion, NtVersionsOutsideTheTableAreUnknown)
{
    EXPECT_EQ(ClassifyWindowsVersion(2, 3, 50, 807), 0);
    EXPECT_EQ(ClassifyWindowsVersion(2, 4, 1, 0), 0);
    EXPECT_EQ(ClassifyWindowsVersion(2, 5, 3, 0), 0);
}

TEST(ClassifyWindowsVersion, Windows95BuildBoundaries)
{
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 0, 950), 1);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 0, 951), 2);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 0, 1080), 2);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 0, 1081), 3);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 0, 949), 0);
}

TEST(ClassifyWindowsVersion, Windows98BuildBoundaries)
{
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 10, 1998), 4);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 10, 1999), 5);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 10, 2182), 5);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 10, 2183), 6);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 10, 1997), 0);
}

TEST(ClassifyWindowsVersion, OnlyTheLowWordOfTheBuildCounts)
{
    // The 95 family reports 4.0 in the high word of the build number.
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 0, 0x04000000u | 950u), 1);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 10, 0x040A0000u | 2222u), 6);
}

TEST(ClassifyWindowsVersion, MillenniumCeAndUnknown)
{
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 90, 3000), 7);
    EXPECT_EQ(ClassifyWindowsVersion(1, 4, 50, 3000), 0);
    EXPECT_EQ(ClassifyWindowsVersion(1, 5, 0, 950), 0);
    EXPECT_EQ(ClassifyWindowsVersion(3, 0, 0, 0), 201);
    EXPECT_EQ(ClassifyWindowsVersion(0, 6, 1, 7601), 0);
    EXPECT_EQ(ClassifyWindowsVersion(4, 6, 1, 7601), 0);
}
