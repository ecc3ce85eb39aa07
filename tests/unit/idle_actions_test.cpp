#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "schedule/idle_actions.h"

namespace {

const wchar_t* const S = kSettingsSection;

class CNoDates : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring&) override { return std::nullopt; }
    std::wstring Format(double) override { return std::wstring(); }
};

const char* NameOf(IdleAction action)
{
    switch (action) {
    case IdleAction::Shutdown: return "shutdown";
    case IdleAction::Hibernate: return "hibernate";
    case IdleAction::Standby: return "standby";
    case IdleAction::LogOff: break;
    }
    return "logoff";
}

class CFakeHost : public IIdleActionHost {
public:
    std::vector<std::string> m_log;
    // Answers of the countdowns in turn; true once they run out.
    std::vector<bool> m_answers;
    // Runs inside the next countdown's nested loop, if set.
    std::function<void()> m_duringConfirmation;

    bool ConfirmIdleAction(const std::wstring& message) override
    {
        m_log.push_back("confirm " + std::string(message.begin(), message.end()));
        if (m_duringConfirmation) {
            auto nested = m_duringConfirmation;
            m_duringConfirmation = nullptr;
            nested();
        }
        if (m_answers.empty()) return true;
        const bool answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
    }
    void RequestIdleAction(IdleAction action, bool forced) override
    {
        m_log.push_back(std::string(NameOf(action)) + (forced ? " forced" : ""));
    }
};

class IdleActions : public testing::Test {
protected:
    void Set(const wchar_t* suffix, int minutes, int confirmation, int forced = 0)
    {
        const std::wstring s = suffix;
        m_store.SetInt(S, L"IdleDuration" + s, minutes);
        m_store.SetInt(S, L"IdleConfirmation" + s, confirmation);
        m_store.SetInt(S, L"IdleForced" + s, forced);
    }
    // Ticks once per second from `from` to `to` idle seconds.
    void Run(std::uint32_t from, std::uint32_t to)
    {
        for (std::uint32_t s = from; s <= to; ++s) m_actions.Check(m_settings, m_host, s);
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> log;
        log.swap(m_host.m_log);
        return log;
    }

    CMemoryStore m_store;
    CNoDates m_dates;
    CAppSettings m_settings{m_store, m_dates};
    CFakeHost m_host;
    CIdleActions m_actions;
};

}  // namespace

TEST(IdleActionRule, DueAtTheFirstTickThatReachesTheMark)
{
    struct Row {
        const char* what;
        int minutes;
        std::uint32_t previous, seconds;
        bool due;
    } rows[] = {
        {"exact second", 10, 599, 600, true},
        {"before the mark", 10, 598, 599, false},
        {"after the mark", 10, 600, 601, false},
        {"a skipped second", 10, 599, 601, true},
        {"a late tick, 5 s past", 10, 590, 605, true},
        {"a jump past the mark: the computer slept", 10, 590, 606, false},
        {"waking long after", 10, 300, 7200, false},
        {"first tick of the program, exact", 10, kNoIdleSample, 600, true},
        {"first tick of the program, past", 10, kNoIdleSample, 601, false},
        {"first tick of the program, before", 10, kNoIdleSample, 599, false},
        {"input in between: a new period", 10, 3000, 600, false},
        {"off", 0, kNoIdleSample, 0, false},
        {"off", 0, 0, 1, false},
        {"1000 minutes", 1000, 59999, 60000, true},
        {"negative minutes: an unreachable mark", -1, 0xFFFFFFFEu, 0xFFFFFFFFu, false},
        {"INT_MAX minutes", INT_MAX, 0xFFFFFFFEu, 0xFFFFFFFFu, false},
        {"INT_MIN minutes", INT_MIN, 0, 1, false},
    };
    for (const Row& r : rows) EXPECT_EQ(r.due, IdleActionDue(r.minutes, r.previous, r.seconds)) << r.what;
}

TEST(IdleActionRule, ConfirmationTexts)
{
    EXPECT_EQ(L"Action Shutdown Computer would be performed after <XX> seconds.",
              IdleActionConfirmationText(IdleAction::Shutdown));
    EXPECT_EQ(L"Action Hibernate Computer would be performed after <XX> seconds.",
              IdleActionConfirmationText(IdleAction::Hibernate));
    EXPECT_EQ(L"Action Standby Computer would be performed after <XX> seconds.",
              IdleActionConfirmationText(IdleAction::Standby));
    EXPECT_EQ(L"Action Log Off Signed On User would be performed after <XX> seconds.",
              IdleActionConfirmationText(IdleAction::LogOff));
}

TEST_F(IdleActions, AllOffDoesNothingAndReadsTheStoreOnlyAtTheFirstTick)
{
    Run(0, 3);
    const int reads = m_store.ReadCount();
    Run(4, 700);
    EXPECT_EQ(reads, m_store.ReadCount());
    EXPECT_TRUE(Take().empty());
}

TEST_F(IdleActions, LogOffWithConfirmationRunsOnceAtItsSecond)
{
    Set(L"LogOff", 10, 1, 1);
    Run(0, 599);
    EXPECT_TRUE(Take().empty());
    Run(600, 600);
    EXPECT_EQ((std::vector<std::string>{"confirm Action Log Off Signed On User would be performed after <XX> seconds.",
                                        "logoff forced"}),
              Take());
    Run(601, 2000);
    EXPECT_TRUE(Take().empty());
    Run(0, 600);  // input, then ten minutes again
    EXPECT_EQ(2u, Take().size());
}

TEST_F(IdleActions, CancelledConfirmationWaitsForTheNextIdlePeriod)
{
    Set(L"LogOff", 10, 1);
    m_host.m_answers = {false};
    Run(0, 1300);
    EXPECT_EQ(1u, Take().size());
    Run(0, 600);
    EXPECT_EQ((std::vector<std::string>{"confirm Action Log Off Signed On User would be performed after <XX> seconds.",
                                        "logoff"}),
              Take());
}

TEST_F(IdleActions, ShutdownWithoutConfirmationIsRequestedAtOnce)
{
    Set(L"Shutdown", 5, 0, 0);
    Run(0, 300);
    EXPECT_EQ((std::vector<std::string>{"shutdown"}), Take());
}

TEST_F(IdleActions, ForcedAppliesToLogOffAndShutdownOnly)
{
    Set(L"Hibernate", 1, 0, 1);
    Run(0, 60);
    EXPECT_EQ((std::vector<std::string>{"hibernate"}), Take());
}

TEST_F(IdleActions, SameMinutesAreCheckedInOrderAndTheFirstRequestEndsTheTick)
{
    struct Row {
        const char* what;
        std::vector<bool> answers;
        std::vector<std::string> log;
    } rows[] = {
        {"first confirmed", {true}, {"confirm shutdown", "shutdown"}},
        {"first cancelled, second confirmed",
         {false, true},
         {"confirm shutdown", "confirm hibernate", "hibernate"}},
        {"all cancelled",
         {false, false, false, false},
         {"confirm shutdown", "confirm hibernate", "confirm standby", "confirm logoff"}},
    };
    for (const Row& r : rows) {
        CMemoryStore store;
        CAppSettings settings(store, m_dates);
        for (const wchar_t* s : {L"LogOff", L"Shutdown", L"Hibernate", L"Standby"}) {
            store.SetInt(S, std::wstring(L"IdleDuration") + s, 20);
            store.SetInt(S, std::wstring(L"IdleConfirmation") + s, 1);
        }
        CFakeHost host;
        host.m_answers = r.answers;
        CIdleActions actions;
        for (std::uint32_t s = 1190; s <= 1300; ++s) actions.Check(settings, host, s);
        std::vector<std::string> log;
        for (const std::string& line : host.m_log) {
            const bool confirm = line.rfind("confirm ", 0) == 0;
            std::string name = line;
            if (confirm) {
                name = line.find("Shutdown") != std::string::npos    ? "shutdown"
                       : line.find("Hibernate") != std::string::npos ? "hibernate"
                       : line.find("Standby") != std::string::npos   ? "standby"
                                                                     : "logoff";
                name = "confirm " + name;
            }
            log.push_back(name);
        }
        EXPECT_EQ(r.log, log) << r.what;
    }
}

TEST_F(IdleActions, EachActionUsesItsOwnConfirmationFlag)
{
    Set(L"Hibernate", 20, 1);
    Set(L"Standby", 20, 0);
    m_host.m_answers = {false};
    Run(1190, 1200);
    EXPECT_EQ((std::vector<std::string>{"confirm Action Hibernate Computer would be performed after <XX> seconds.",
                                        "standby"}),
              Take());
}

TEST_F(IdleActions, SmallestMinutesComeFirstAndASuspensionLeavesLaterActionsToTheirOwnSecond)
{
    Set(L"Standby", 10, 0);
    Set(L"LogOff", 20, 0);
    Run(0, 600);
    EXPECT_EQ((std::vector<std::string>{"standby"}), Take());
    // The computer sleeps; the tick clock runs on and no input comes.
    Run(5000, 5005);
    EXPECT_TRUE(Take().empty());
    Run(0, 1200);
    EXPECT_EQ((std::vector<std::string>{"standby", "logoff"}), Take());
}

TEST_F(IdleActions, LateTickStillRunsTheAction)
{
    Set(L"Shutdown", 10, 0);
    for (std::uint32_t s : {597u, 598u, 599u, 602u, 603u}) m_actions.Check(m_settings, m_host, s);
    EXPECT_EQ((std::vector<std::string>{"shutdown"}), Take());
}

TEST_F(IdleActions, ProgramStartedInALongAbsenceWaitsForInput)
{
    Set(L"LogOff", 10, 0);
    Run(4000, 4100);
    EXPECT_TRUE(Take().empty());
    Run(0, 600);
    EXPECT_EQ((std::vector<std::string>{"logoff"}), Take());
}

TEST_F(IdleActions, TickNestedInAConfirmationDoesNotRunTheSameActionAgain)
{
    Set(L"LogOff", 10, 1);
    Set(L"Shutdown", 10, 1);
    Set(L"Standby", 0, 0);
    // The first countdown ticks on for 15 seconds, then is cancelled.
    m_host.m_answers = {false, true};
    m_host.m_duringConfirmation = [this] { Run(601, 615); };
    Run(590, 600);
    // The outer tick goes on with its own snapshot: log-off is due at 600.
    EXPECT_EQ((std::vector<std::string>{"confirm Action Shutdown Computer would be performed after <XX> seconds.",
                                        "confirm Action Log Off Signed On User would be performed after <XX> seconds.",
                                        "logoff"}),
              Take());
    Run(616, 700);
    EXPECT_TRUE(Take().empty());
}

TEST_F(IdleActions, TickNestedInAConfirmationRunsAnotherActionAtItsOwnSecond)
{
    Set(L"Shutdown", 10, 1);
    Set(L"Hibernate", 0, 0);
    Set(L"LogOff", 0, 0);
    Set(L"Standby", 0, 0);
    m_host.m_answers = {false};
    m_host.m_duringConfirmation = [this] {
        m_settings.SetIdle(CAppSettings::Idle::Hibernate, IdleGroup{11, 0, 0});
        Run(601, 660);
    };
    Run(599, 600);
    EXPECT_EQ((std::vector<std::string>{"confirm Action Shutdown Computer would be performed after <XX> seconds.",
                                        "hibernate"}),
              Take());
}

TEST_F(IdleActions, StoredMinutesOfAnyValueNeverFire)
{
    m_store.SetInt(S, L"IdleDurationShutdown", -5);
    m_store.SetWrongType(S, L"IdleDurationLogOff");
    m_store.SetInt(S, L"IdleDurationHibernate", INT_MIN);
    m_store.SetInt(S, L"IdleDurationStandby", INT_MAX);
    m_actions.Check(m_settings, m_host, 0xFFFFFFFFu);
    Run(0, 4000);
    m_actions.Check(m_settings, m_host, 0xFFFFFFFFu);
    EXPECT_TRUE(Take().empty());
}
