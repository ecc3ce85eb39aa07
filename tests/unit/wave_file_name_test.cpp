#include <gtest/gtest.h>

#include "actions/wave_file_name.h"

TEST(EnsureWavExtension, KeepsAnExistingExtensionInAnyCase)
{
    EXPECT_EQ(EnsureWavExtension(L"C:\\a\\talk.wav"), L"C:\\a\\talk.wav");
    EXPECT_EQ(EnsureWavExtension(L"C:\\a\\TALK.WAV"), L"C:\\a\\TALK.WAV");
    EXPECT_EQ(EnsureWavExtension(L".wAv"), L".wAv");
}

TEST(EnsureWavExtension, AppendsOtherwise)
{
    EXPECT_EQ(EnsureWavExtension(L"C:\\a\\talk"), L"C:\\a\\talk.wav");
    EXPECT_EQ(EnsureWavExtension(L"x.wave"), L"x.wave.wav");
    EXPECT_EQ(EnsureWavExtension(L"x.mp3"), L"x.mp3.wav");
    EXPECT_EQ(EnsureWavExtension(L"xwav"), L"xwav.wav");
}

TEST(EnsureWavExtension, ShortPathsNeverCountAsEndingInWav)
{
    EXPECT_EQ(EnsureWavExtension(L"wav"), L"wav.wav");
    EXPECT_EQ(EnsureWavExtension(L"a"), L"a.wav");
    EXPECT_EQ(EnsureWavExtension(L""), L".wav");
}
