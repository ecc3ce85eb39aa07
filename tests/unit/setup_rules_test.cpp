#include <gtest/gtest.h>

#include "setup/setup_rules.h"

#include <algorithm>
#include <cwctype>

using Args = std::vector<std::wstring>;
using Kind = HelperRequest::Kind;

TEST(SetupHelperArguments, AcceptOnlyTheCommandsWithTheirValues)
{
    const struct {
        Args args;
        Kind kind;
        unsigned limitMs;
    } cases[] = {
        {{L"close", L"10", L"C:\\t\\r.txt", L"C:\\U"}, Kind::Close, 10000},
        {{L"close", L"600", L"r", L"C:\\U", L"D:\\Old"}, Kind::Close, 600000},
        {{L"close", L"0", L"r", L"C:\\U"}, Kind::Invalid, 0},
        {{L"close", L"601", L"r", L"C:\\U"}, Kind::Invalid, 0},
        {{L"close", L"1x", L"r", L"C:\\U"}, Kind::Invalid, 0},
        {{L"close", L"-5", L"r", L"C:\\U"}, Kind::Invalid, 0},
        {{L"close", L"", L"r", L"C:\\U"}, Kind::Invalid, 0},
        {{L"close", L"10", L"", L"C:\\U"}, Kind::Invalid, 0},
        {{L"close", L"10", L"r", L""}, Kind::Invalid, 0},
        {{L"close", L"10", L"r"}, Kind::Invalid, 0},
        {{L"close", L"10", L"r", L"a", L"b", L"c"}, Kind::Invalid, 0},
        {{L"hashes", L"C:\\U", L"Umbrix.exe", L"Uninstall.exe"}, Kind::Hashes, 0},
        {{L"hashes", L"C:\\U", L"..\\x.exe"}, Kind::Invalid, 0},
        {{L"hashes", L"C:\\U", L"*.old"}, Kind::Invalid, 0},
        {{L"remove", L"C:\\U", L"a=b"}, Kind::Remove, 0},
        {{L"remove", L"C:\\U", L""}, Kind::Invalid, 0},
        {{L"origin", L"C:\\U\\Uninstall.exe"}, Kind::Origin, 0},
        {{L"links", L"C:\\D\\Umbrix.lnk", L"C:\\U\\Umbrix.exe"}, Kind::Links, 0},
        {{L"unlink", L"C:\\Desk top", L"C:\\Pr\u00f6gramme\\Umbrix.exe"}, Kind::RemoveShortcuts, 0},
        {{L"unlink", L"", L"x"}, Kind::Invalid, 0},
        {{L"Close", L"10", L"r"}, Kind::Invalid, 0},
        {{}, Kind::Invalid, 0},
    };
    for (const auto& c : cases) {
        const HelperRequest r = ParseHelperArguments(c.args);
        EXPECT_EQ(r.kind, c.kind) << c.args.size();
        EXPECT_EQ(r.limitMs, c.limitMs);
    }
    const HelperRequest unlink = ParseHelperArguments({L"unlink", L"C:\\Desk top", L"C:\\P\u00f6\\Umbrix.exe"});
    EXPECT_EQ(unlink.folder, L"C:\\Desk top");
    EXPECT_EQ(unlink.target, L"C:\\P\u00f6\\Umbrix.exe");
    const HelperRequest close = ParseHelperArguments({L"close", L"10", L"C:\\r.txt", L"C:\\U", L"D:\\Old"});
    EXPECT_EQ(close.report, L"C:\\r.txt");
    EXPECT_EQ(close.folders, Args({L"C:\\U", L"D:\\Old"}));
}

TEST(SetupHelperReport, NamesEachProcessOnceWithItsPathOrId)
{
    EXPECT_EQ(StillRunningReport({}), L"");
    EXPECT_EQ(StillRunningReport({{L"Umbrix", L"C:\\A b\\Umbrix.exe", 12},
                                  {L"Vandric", L"", 40},
                                  {L"Umbrix", L"C:\\A b\\Umbrix.exe", 12},
                                  {L"Vandric", L"D:\\V\\Vandric.exe", 41}}),
              L"Umbrix (C:\\A b\\Umbrix.exe)\r\nVandric (process 40)\r\nVandric (D:\\V\\Vandric.exe)\r\n");
}

TEST(SetupHelperReport, RemainingTimeNeverGoesBelowZero)
{
    EXPECT_EQ(RemainingMs(10000, 0), 10000u);
    EXPECT_EQ(RemainingMs(10000, 9999), 1u);
    EXPECT_EQ(RemainingMs(10000, 10000), 0u);
    EXPECT_EQ(RemainingMs(10000, 4000000000u), 0u);
}

namespace {
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(x) == std::towupper(y);
           });
}
}  // namespace

TEST(SetupHelperImages, OnlyTheInstallationsOwnProgramsAreOurs)
{
    const Args folders = {L"C:\\Users\\a\\Programs\\Umbrix", L"D:\\Old\\"};
    const struct {
        const wchar_t* image;
        const wchar_t* program;
        int folder;
    } cases[] = {
        {L"C:\\Users\\a\\Programs\\Umbrix\\Umbrix.exe", L"Umbrix", 0},
        {L"c:\\users\\A\\programs\\umbrix\\VANDRIC.EXE", L"Vandric", 0},
        {L"D:\\Old\\Vandric.exe", L"Vandric", 1},
        {L"E:\\Portable\\Umbrix.exe", L"Umbrix", -1},
        {L"C:\\Users\\a\\Programs\\Umbrix\\Sub\\Umbrix.exe", L"Umbrix", -1},
        {L"C:\\Users\\a\\Programs\\Umbrix\\Notepad.exe", nullptr, -1},
        {L"C:\\Users\\a\\Programs\\Umbrix\\XUmbrix.exe", nullptr, -1},
        {L"", nullptr, -1},
    };
    for (const auto& c : cases) {
        const ImageOwner owner = ClassifyImage(c.image, folders, SameIgnoringCase);
        EXPECT_EQ(owner.program ? std::wstring(owner.program) : L"-", c.program ? c.program : L"-") << c.image;
        EXPECT_EQ(owner.folder, c.folder) << c.image;
    }
}

TEST(SetupHelperFileList, KeepsOnlyPlainNamesWithFullHashes)
{
    const std::wstring a(64, L'a'), b = L"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
    const std::vector<ListedFile> files =
        ParseFileList(L"Umbrix.exe=" + a + L"|..\\x.exe=" + a + L"|*.old=" + a + L"|Short.exe=abc|Up.exe=" +
                      std::wstring(64, L'A') + L"|Uninstall.exe=" + b + L"|junk");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, L"Umbrix.exe");
    EXPECT_EQ(files[1].sha256, b);
    EXPECT_EQ(FormatFileList(files), L"Umbrix.exe=" + a + L"|Uninstall.exe=" + b);
    EXPECT_TRUE(ParseFileList(L"").empty());
}

TEST(SetupHelperOrigin, CorvanesUmbrixAndVandricOnly)
{
    EXPECT_TRUE(IsOurOrigin(L"Corvane", L"Umbrix"));
    EXPECT_TRUE(IsOurOrigin(L"Corvane", L"Vandric"));
    EXPECT_FALSE(IsOurOrigin(L"Corvane", L"Other"));
    EXPECT_FALSE(IsOurOrigin(L"Nullsoft", L"Umbrix"));
    EXPECT_FALSE(IsOurOrigin(L"", L""));
}
