#include "shell/launcher_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using H = LauncherHandler;

// The starts themselves are checked through the frame's routing
// (tests/win/system_actions_test.cpp) and the journal (tests/e2e).

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
