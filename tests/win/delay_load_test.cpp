// A delay-loaded library that cannot be loaded makes the requests that need
// it fail the way their callers check, instead of ending the process. This
// file runs in a process of its own, so no earlier test has bound the
// libraries it refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include "actions/system_requests.h"
#include "framework/delay_load.h"

namespace {

class DelayLoadTest : public testing::Test {
protected:
    void TearDown() override { RefuseDelayLoadForTests(nullptr); }

    // Carries requests out, no journal: the refused library is the only reason
    // they can fail.
    CSystemRequests m_system{L""};
};

TEST(DelayLoad, TheRefusedLibrariesAreNotLoadedBeforeTheyAreNeeded)
{
    for (const wchar_t* dll : {L"wininet.dll", L"rasapi32.dll", L"winmm.dll"})
        EXPECT_EQ(GetModuleHandleW(dll), nullptr) << dll;
}

TEST_F(DelayLoadTest, AMissingProxyLibraryFailsTheProxyQuery)
{
    RefuseDelayLoadForTests("WININET.DLL");
    DWORD flags = 12345;
    EXPECT_FALSE(m_system.QueryProxyFlags(flags));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(flags, 12345u);
    // Once refused, the library stays so: a later call of another of its
    // functions fails too, and nothing is loaded.
    RefuseDelayLoadForTests(nullptr);
    EXPECT_FALSE(m_system.SetProxyFlags(1));
    EXPECT_EQ(GetModuleHandleW(L"wininet.dll"), nullptr);
}

TEST_F(DelayLoadTest, AMissingDialUpLibraryReportsAnErrorCodeNotSuccess)
{
    RefuseDelayLoadForTests("rasapi32.dll");
    EXPECT_EQ(m_system.FirstDialUpConnection(), nullptr);
    EXPECT_EQ(m_system.HangUpDialUp(reinterpret_cast<HANDLE>(1)), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetModuleHandleW(L"rasapi32.dll"), nullptr);
}

}  // namespace
