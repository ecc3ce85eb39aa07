#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/screen_saver_choice.h"

namespace {
const std::wstring kSys = L"C:\\windows\\system32";
}  // namespace

TEST(ScreenSaverLabelRule, StripsOnlyAFinalScrOfAnyCase)
{
    const struct {
        const wchar_t* in;
        const wchar_t* out;
    } cases[] = {
        {L"Mystify.scr", L"Mystify"},    {L"BLANK.SCR", L"BLANK"},   {L"a.Scr", L"a"},
        {L"", L""},                      {L"x", L"x"},               {L".scr", L".scr"},
        {L"scr", L"scr"},                {L"Saver.scrx", L"Saver.scrx"}, {L"Saver.exe", L"Saver.exe"},
        {L"C:\\My Savers\\Fish.scr", L"C:\\My Savers\\Fish"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.out, WithoutScrExtension(c.in)) << c.in;
    EXPECT_EQ(L"", ScreenSaverEntry(L"."));
    EXPECT_EQ(L"", ScreenSaverEntry(L".."));
    EXPECT_EQ(L"Ribbons", ScreenSaverEntry(L"Ribbons.scr"));
}

TEST(ScreenSaverLabelRule, LabelShowsSystemSaversByBareNameOthersByPath)
{
    const struct {
        const wchar_t* path;
        const wchar_t* label;
    } cases[] = {
        {L"C:\\windows\\system32\\Mystify.scr", L"Default ScreenSaver : Mystify"},
        {L"D:\\Savers\\Fish.scr", L"Default ScreenSaver : D:\\Savers\\Fish"},
        {L"", L"Default ScreenSaver : "},
        {L"ab", L"Default ScreenSaver : ab"},
        // Exact case only, as the label has always done.
        {L"C:\\WINDOWS\\SYSTEM32\\Fish.scr", L"Default ScreenSaver : C:\\WINDOWS\\SYSTEM32\\Fish"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.label, DefaultScreenSaverLabel(c.path, kSys)) << c.path;
}

TEST(ScreenSaverSelection, SelectsOnlyTheEntryEqualToTheDefaultsName)
{
    const std::vector<std::wstring> entries{L"Bubbles", L"Mystify2", L"Mystify", L"Ribbons"};
    const struct {
        const wchar_t* path;
        std::optional<std::size_t> index;
    } cases[] = {
        {L"C:\\windows\\system32\\Mystify.scr", 2},
        {L"c:\\WINDOWS\\system32\\MYSTIFY.SCR", 2},
        {L"C:\\windows\\system32\\Bubbles.scr", 0},
        {L"D:\\Savers\\Mystify.scr", std::nullopt},
        {L"C:\\windows\\system32\\Myst.scr", std::nullopt},
        {L"", std::nullopt},
        {L".scr", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.index, FindScreenSaverEntry(entries, DefaultScreenSaverName(c.path, kSys))) << c.path;
    EXPECT_EQ(std::nullopt, FindScreenSaverEntry({L""}, L""));
}

TEST(ScreenSaverCommands, PathsPreviewAndConfigure)
{
    EXPECT_EQ(L"C:\\windows\\system32\\Fish.scr", ScreenSaverPath(kSys, L"Fish"));
    EXPECT_EQ(L"\"C:\\Program Files\\Savers\\Fish.scr\" /p 65562",
              PreviewCommandLine(L"C:\\Program Files\\Savers\\Fish.scr", 65562));
    EXPECT_EQ(L"\"C:\\windows\\system32\\Fish.scr\" /p 4294967295",
              PreviewCommandLine(L"C:\\windows\\system32\\Fish.scr", 4294967295u));
    EXPECT_EQ(L"", PreviewCommandLine(L"", 42));
    EXPECT_EQ(L"desk.cpl,InstallScreenSaver C:\\windows\\system32\\Fish.scr", ConfigureParameters(kSys, L"Fish"));
}
