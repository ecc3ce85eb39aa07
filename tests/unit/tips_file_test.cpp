#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tips_file.h"

TEST(TipsFilePath, JoinsFolderAndTitle)
{
    EXPECT_EQ(TipsFilePath(L"C:\\ProgramData", L"Umbrix"), L"C:\\ProgramData\\Umbrix.ini");
}

TEST(TipsFilePath, FolderEndingInBackslashGivesNoDoubledBackslash)
{
    EXPECT_EQ(TipsFilePath(L"C:\\", L"Umbrix"), L"C:\\Umbrix.ini");
    EXPECT_EQ(TipsFilePath(L"C:\\Data\\\\\\", L"Umbrix"), L"C:\\Data\\Umbrix.ini");
}

TEST(CollapseDoubleBackslashes, NoRunOfBackslashesSurvives)
{
    EXPECT_EQ(CollapseDoubleBackslashes(L"a\\\\b\\\\\\c\\\\\\\\\\d"), L"a\\b\\c\\d");
    EXPECT_EQ(CollapseDoubleBackslashes(L""), L"");
    EXPECT_EQ(CollapseDoubleBackslashes(L"\\"), L"\\");
}

TEST(FolderOfPath, CutsAtTheLastBackslash)
{
    EXPECT_EQ(FolderOfPath(L"C:\\Program Files\\Umbrix\\Umbrix.exe"), L"C:\\Program Files\\Umbrix");
    EXPECT_EQ(FolderOfPath(L"Umbrix.exe"), L"");
}

TEST(TipsFileContent, EightCrLfLinesWithTheFixedTexts)
{
    const std::string content = TipsFileContent("C:\\ProgramData\\Umbrix.ini");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = content.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "last line lacks CR LF";
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Text Displayed in the Tip of the Day screen comes from file (C:\\ProgramData\\Umbrix.ini) "
                        "which can be modified using a text editor.");
    EXPECT_EQ(lines[3], "Using Umbrix Utility you can create Keyboard Shortcuts easily to open programs / open "
                        "document files.");
    EXPECT_EQ(lines[5], "Be Notified of New Versions of Umbrix Utility, Open Umbrix Settings, go to Help Menu -> "
                        "Send Me an EMail when New Version is Launched.");
    EXPECT_NE(lines[2].find("Umbrix (With Confirmation)"), std::string::npos);
    for (const std::string& line : lines) {
        // The tip window would skip or split such lines.
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line[0], ' ');
        EXPECT_NE(line[0], ';');
        EXPECT_EQ(line.find('\t'), std::string::npos);
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
}

TEST(CollapseDoubleBackslashes, NetworkPathsKeepTheirLeadingPair)
{
    EXPECT_EQ(CollapseDoubleBackslashes(L"\\\\server\\share\\\\Umbrix.ini"), L"\\\\server\\share\\Umbrix.ini");
    EXPECT_EQ(TipsFilePath(L"\\\\server\\data\\", L"Umbrix"), L"\\\\server\\data\\Umbrix.ini");
    EXPECT_EQ(CollapseDoubleBackslashes(L"\\\\\\\\server\\s"), L"\\\\server\\s");
    EXPECT_EQ(CollapseDoubleBackslashes(L"\\\\?\\C:\\\\x"), L"\\\\?\\C:\\x");
    EXPECT_EQ(CollapseDoubleBackslashes(L"\\\\"), L"\\\\");
}
