#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "schedule/idle_actions.h"

namespace {

const wchar_t* const S = kSettingsSection;
using Log = std::vector<std::string>;

class CNoDates : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring&) override { return std::nullopt; }
    std::wstring Format(double) override { return {}; }
};

const char* NameOf(const std::wstring& text)
{
    for (const char* name : {"Shutdown", "Hibernate", "Standby", "Log Off"})
        if (text.find(std::wstring(name, name + std::char_traits<char>::length(name))) != std::wstring::npos)
            return name;
    return "?";
}

// Logs "ask <action>" for a countdown and "<action>[ forced]" for a request.
class CFakeHost : public IIdleActionHost {
public:
    Log m_log;
    std::vector<bool> m_answers;              // in turn; true once used up
    std::function<void()> m_duringCountdown;  // runs in the next countdown's nested loop

    bool ConfirmIdleAction(const std::wstring& message) override
    {
        m_log.push_back(std::string("ask ") + NameOf(message));
        if (auto nested = std::exchange(m_duringCountdown, nullptr)) nested();
        if (m_answers.empty()) return true;
        const bool answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
    }
    void RequestIdleAction(IdleAction action, bool forced) override
    {
        static const char* const names[] = {"Shutdown", "Hibernate", "Standby", "Log Off"};
        m_log.push_back(std::string(names[static_cast<int>(action)]) + (forced ? " forced" : ""));
    }
};

class IdleActions : public testing::Test {
protected:
    void Set(const wchar_t* action, int minutes, int confirmation, int forced = 0)
    {
        m_store.SetInt(S, std::wstring(L"IdleDuration") + action, minutes);
        m_store.SetInt(S, std::wstring(L"IdleConfirmation") + action, confirmation);
        m_store.SetInt(S, std::wstring(L"IdleForced") + action, forced);
    }
    // One tick per idle second from `from` to `to`.
    void Run(std::uint32_t from, std::uint32_t to)
    {
        for (std::uint32_t s = from; s <= to; ++s) m_actions.Check(m_settings, m_host, s);
    }
    Log Take() { return std::exchange(m_host.m_log, {}); }

    CMemoryStore m_store;
    CNoDates m_dates;
    CAppSettings m_settings{m_store, m_dates};
    CFakeHost m_host;
    CIdleActions m_actions;
};

}  // namespace

TEST(IdleActionRule, DueAtTheFirstTickThatReachesTheMark)
{
    const struct {
        const char* what;
        int minutes;
        std::uint32_t previous, seconds;
        bool due;
    } rows[] = {
        {"exact second", 10, 599, 600, true},
        {"before", 10, 598, 599, false},
        {"after", 10, 600, 601, false},
        {"a skipped second", 10, 599, 601, true},
        {"a late tick, 5 s past", 10, 590, 605, true},
        {"a jump past the mark: the computer slept", 10, 590, 606, false},
        {"first tick of the program, exact", 10, kNoIdleSample, 600, true},
        {"first tick of the program, past", 10, kNoIdleSample, 601, false},
        {"input in between", 10, 3000, 600, false},
        {"off", 0, kNoIdleSample, 0, false},
        {"1000 minutes", 1000, 59999, 60000, true},
        {"negative minutes", -1, 0xFFFFFFFEu, 0xFFFFFFFFu, false},
        {"INT_MIN minutes", INT_MIN, 0, 1, false},
    };
    for (const auto& r : rows) EXPECT_EQ(r.due, IdleActionDue(r.minutes, r.previous, r.seconds)) << r.what;
    EXPECT_EQ(L"Action Log Off Signed On User would be performed after <XX> seconds.",
              IdleActionConfirmationText(IdleAction::LogOff));
    EXPECT_EQ(L"Action Standby Computer would be performed after <XX> seconds.",
              IdleActionConfirmationText(IdleAction::Standby));
}

TEST_F(IdleActions, AllOffDoesNothingAndReadsTheStoreOnlyOnce)
{
    Run(0, 3);
    const int reads = m_store.ReadCount();
    Run(4, 700);
    EXPECT_EQ(reads, m_store.ReadCount());
    EXPECT_EQ(Log{}, Take());
}

TEST_F(IdleActions, OncePerIdlePeriodWithItsOwnFlags)
{
    Set(L"LogOff", 10, 1, 1);
    Set(L"Hibernate", 1, 0, 1);  // no forced variant
    m_host.m_answers = {false};
    Run(0, 599);
    EXPECT_EQ(Log{"Hibernate"}, Take());
    Run(600, 2000);
    EXPECT_EQ(Log{"ask Log Off"}, Take()) << "cancelled: nothing until input";
    Run(0, 600);
    EXPECT_EQ((Log{"Hibernate", "ask Log Off", "Log Off forced"}), Take());
}

TEST_F(IdleActions, SameMinutesInOrderUntilOneIsRequested)
{
    const struct {
        std::vector<bool> answers;
        Log log;
    } rows[] = {
        {{true}, {"ask Shutdown", "Shutdown"}},
        {{false, true}, {"ask Shutdown", "ask Hibernate", "Hibernate"}},
        {{false, false, false, false}, {"ask Shutdown", "ask Hibernate", "ask Standby", "ask Log Off"}},
    };
    for (const auto& r : rows) {
        for (const wchar_t* a : {L"LogOff", L"Shutdown", L"Hibernate", L"Standby"}) Set(a, 20, 1);
        CAppSettings settings(m_store, m_dates);
        CIdleActions actions;
        m_host.m_answers = r.answers;
        for (std::uint32_t s = 1190; s <= 1300; ++s) actions.Check(settings, m_host, s);
        EXPECT_EQ(r.log, Take());
    }
}

TEST_F(IdleActions, LateTicksRunAndJumpsWaitForInput)
{
    Set(L"Standby", 10, 0);
    Set(L"LogOff", 20, 0);
    for (std::uint32_t s : {598u, 599u, 602u, 603u}) m_actions.Check(m_settings, m_host, s);
    EXPECT_EQ(Log{"Standby"}, Take());
    Run(5000, 5005);  // back from stand-by: the clock ran on, no input came
    Run(0, 0);
    Run(4000, 4100);  // a jump without a sample of the mark
    EXPECT_EQ(Log{}, Take());
    CIdleActions started;  // a program started in a long absence
    started.Check(m_settings, m_host, 1300);
    started.Check(m_settings, m_host, 1301);
    EXPECT_EQ(Log{}, Take());
}

TEST_F(IdleActions, TickNestedInACountdownNeverRunsTheSameActionAgain)
{
    Set(L"Shutdown", 10, 1);
    Set(L"LogOff", 10, 1);
    Set(L"Hibernate", 0, 0);
    Set(L"Standby", 0, 0);
    m_host.m_answers = {false, true};
    m_host.m_duringCountdown = [this] {
        m_settings.SetIdle(CAppSettings::Idle::Hibernate, IdleGroup{11, 0, 0});
        Run(601, 660);  // the countdown ticks on, and hibernation's own second comes up
    };
    Run(590, 600);
    // The outer tick stops: hibernation returns only when the computer resumes.
    EXPECT_EQ((Log{"ask Shutdown", "Hibernate"}), Take());
    Run(0, 0);
    m_settings.SetIdle(CAppSettings::Idle::Hibernate, IdleGroup{0, 0, 0});
    m_host.m_answers = {false, true};
    m_host.m_duringCountdown = [this] { Run(601, 700); };
    Run(590, 600);
    // Without a request meanwhile it goes on with its own idle snapshot.
    EXPECT_EQ((Log{"ask Shutdown", "ask Log Off", "Log Off"}), Take());
}
