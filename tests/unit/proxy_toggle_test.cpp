#include "actions/proxy_toggle.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class FakeProxy final : public IProxySettings {
public:
    unsigned flags = 1;
    int readsUntilFailure = -1;  // -1: reads never fail
    bool writeOk = true;
    bool refreshOk = true;
    bool throwOnWrite = false;
    std::vector<std::wstring> log;

    bool ReadFlags(unsigned& out) override
    {
        log.push_back(L"read");
        if (readsUntilFailure == 0) return false;
        if (readsUntilFailure > 0) --readsUntilFailure;
        out = flags;
        return true;
    }
    bool WriteFlags(unsigned value) override
    {
        log.push_back(L"write " + std::to_wstring(value));
        if (throwOnWrite) throw std::runtime_error("boom");
        if (writeOk) flags = value;
        return writeOk;
    }
    void SettingsChanged() override { log.push_back(L"changed"); }
    bool Refresh() override
    {
        log.push_back(L"refresh");
        return refreshOk;
    }
    void Report(const std::wstring& text, Icon icon) override
    {
        log.push_back((icon == Icon::Error ? L"error: " : L"info: ") + text);
    }
};

using Log = std::vector<std::wstring>;
const std::wstring kUsing = L"info: Internet Explorer is using Proxy Now.";
const std::wstring kNotUsing = L"info: Internet Explorer is not using Proxy Now.";

TEST(ProxyFlags, OnlyTheProxyBitFlips)
{
    const struct {
        unsigned before, after;
        bool usesAfter;
    } cases[] = {
        {1, 3, true}, {3, 1, false}, {9, 11, true}, {11, 9, false}, {2, 0, false}, {0, 2, true}, {15, 13, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToggledProxyFlags(c.before), c.after) << c.before;
        EXPECT_EQ(UsesProxy(c.after), c.usesAfter) << c.before;
    }
}

TEST(ToggleProxyUse, SwitchesBackAndForthAndReportsTheStateReadBack)
{
    const struct {
        unsigned start;
        unsigned first, second;
        std::wstring firstReport, secondReport;
    } cases[] = {
        {1, 3, 1, kUsing, kNotUsing},
        {9, 11, 9, kUsing, kNotUsing},
        {2, 0, 2, kNotUsing, kUsing},
    };
    for (const auto& c : cases) {
        FakeProxy proxy;
        proxy.flags = c.start;
        ToggleProxyUse(proxy);
        EXPECT_EQ(proxy.log, (Log{L"read", L"write " + std::to_wstring(c.first), L"changed", L"refresh", L"read",
                                  c.firstReport}))
            << c.start;
        proxy.log.clear();
        ToggleProxyUse(proxy);
        EXPECT_EQ(proxy.flags, c.second);
        EXPECT_EQ(proxy.log.back(), c.secondReport);
    }
}

TEST(ToggleProxyUse, FailuresAreReportedWhereTheyHappen)
{
    {
        FakeProxy proxy;
        proxy.readsUntilFailure = 0;
        ToggleProxyUse(proxy);
        EXPECT_EQ(proxy.log, (Log{L"read", L"error: Failed to Read Proxy Connection Details"}));
    }
    {
        FakeProxy proxy;
        proxy.writeOk = false;
        proxy.refreshOk = false;
        ToggleProxyUse(proxy);
        EXPECT_EQ(proxy.log, (Log{L"read", L"write 3", L"info: Failed to Change Proxy Settings", L"changed",
                                  L"refresh", L"info: Failed to Refresh Internet Explorer", L"read", kNotUsing}));
    }
    {
        FakeProxy proxy;
        proxy.readsUntilFailure = 1;  // the read after the change fails
        ToggleProxyUse(proxy);
        EXPECT_EQ(proxy.log.back(), L"error: Failed to Read Proxy Connection Details");
    }
    {
        FakeProxy proxy;
        proxy.throwOnWrite = true;
        ToggleProxyUse(proxy);
        EXPECT_EQ(proxy.log, (Log{L"read", L"write 3", L"info: UnKnown Exception.", L"read", kNotUsing}));
    }
}

}  // namespace
