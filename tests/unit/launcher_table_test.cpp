#include "shell/launcher_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using B = LauncherBase;
using H = LauncherHandler;

TEST(LauncherTable, SystemPagesStartControlPanelWithTheExactParameters)
{
    const struct {
        unsigned command;
        std::wstring file, parameters;
    } cases[] = {
        {32805, L"\\control.exe", L" desk.cpl,Themes,@Themes"},
        {32806, L"\\control.exe", L" desk.cpl,screensaver,@screensaver"},
        {32807, L"\\control.exe", L" /name Microsoft.Personalization /page pageWallpaper"},
        {32808, L"\\control.exe", L" /name Microsoft.Personalization /page pageColorization"},
        {32809, L"\\DpiScaling.exe", L""},
        {32810, L"\\control.exe", L"/name Microsoft.ProgramsAndFeatures"},
        {32811, L"\\control.exe", L"/name Microsoft.PowerOptions /page pagePlanSettings"},
        {32773, L"\\Control.exe", L"appwiz.cpl"},
        {32774, L"\\Control.exe", L"desk.cpl"},
        {32775, L"\\Control.exe", L"powercfg.cpl"},
        {32776, L"\\Control.exe", L"sysdm.cpl"},
        {32777, L"\\Control.exe", L"mmsys.cpl sounds"},
        {32778, L"\\Control.exe", L"inetcpl.cpl"},
    };
    for (const auto& c : cases) {
        const Launcher* l = FindLauncher(c.command, H::View);
        ASSERT_NE(l, nullptr) << c.command;
        EXPECT_EQ(l->base, B::SystemDirectory);
        EXPECT_EQ(std::wstring(l->verb), L"Open");
        EXPECT_EQ(l->file, c.file);
        EXPECT_EQ(l->parameters, c.parameters);
        EXPECT_EQ(l->show, LauncherShow::Normal);
        EXPECT_EQ(FindLauncher(c.command, H::Frame), nullptr);
    }
}

TEST(LauncherTable, CompanionsStartFromTheProgramFolderWithTheirVerbs)
{
    const struct {
        unsigned command;
        std::wstring file, verb, parameters;
        bool notice;
    } cases[] = {
        {32780, L"Vandric.exe", L"open", L"", false},    {32781, L"Pimbrook.exe", L"open", L"", false},
        {32798, L"Brandle.exe", L"runas", L"", false},   {32799, L"Tarnwick.exe", L"open", L":LaunchedFromUBX", false},
        {32838, L"Dorvell.exe", L"runas", L"", false},   {32802, L"Quorvel.exe", L"open", L"", true},
        {32832, L"Quorvel.exe", L"runas", L"", false},
    };
    for (const auto& c : cases) {
        const Launcher* l = FindLauncher(c.command, H::View);
        ASSERT_NE(l, nullptr) << c.command;
        EXPECT_EQ(l->base, B::ProgramFolder);
        EXPECT_EQ(l->file, c.file);
        EXPECT_EQ(l->verb, c.verb);
        EXPECT_EQ(l->parameters, c.parameters);
        EXPECT_EQ(l->serviceNotice, c.notice);
    }
}

TEST(LauncherTable, WebPagesOpenOnTheMakersDomainAndTheFrameOnesMaximised)
{
    const struct {
        unsigned command;
        H handler;
        LauncherShow show;
    } cases[] = {
        {32816, H::View, LauncherShow::Normal},     {32820, H::View, LauncherShow::Normal},
        {32834, H::Frame, LauncherShow::Maximized}, {32844, H::Frame, LauncherShow::Maximized},
        {32845, H::Frame, LauncherShow::Maximized},
    };
    for (const auto& c : cases) {
        const Launcher* l = FindLauncher(c.command, c.handler);
        ASSERT_NE(l, nullptr) << c.command;
        EXPECT_EQ(FindLauncher(c.command, c.handler == H::View ? H::Frame : H::View), nullptr);
        EXPECT_EQ(l->base, B::Address);
        EXPECT_EQ(std::wstring(l->verb), L"Open");
        EXPECT_NE(std::wstring(l->file).find(L"corvane.example"), std::wstring::npos);
        EXPECT_EQ(l->show, c.show);
    }
}

TEST(LauncherTable, OtherCommandsAreNoLaunchers)
{
    for (unsigned command : {0u, 32772u, 32779u, 32791u, 32792u, 32833u, 32812u})
        for (H handler : {H::View, H::Frame}) EXPECT_EQ(FindLauncher(command, handler), nullptr) << command;
}

TEST(ServiceNotice, EndsWithTheSupportAddress)
{
    const std::wstring text = ServiceNoticeText();
    EXPECT_EQ(text.rfind(L"This is a One Time Message Box.\n\nUmbrix Service Runs in Background", 0), 0u);
    EXPECT_NE(text.find(L"Running(Which by Default Displays an Icon in System Tray).\n"), std::wstring::npos);
    const std::wstring end = L"\n\nCustomer Support can be reached by writing to support@corvane.example.";
    ASSERT_GT(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

}  // namespace
