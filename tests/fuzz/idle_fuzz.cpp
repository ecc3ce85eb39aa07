// The idle monitor-off, screen saver, one-time delay and idle power actions
// with random stored minutes and random tick and last-input counts, the
// countdowns' nested ticks included.
#include "app/app_settings.h"
#include "fuzz_support.h"
#include "schedule/idle_actions.h"
#include "schedule/idle_timers.h"

namespace {

// A tick's work, also run from inside a countdown as its nested loop does.
struct Tick {
    FuzzedDataProvider& data;
    ISettingsStore& store;
    CAppSettings& settings;
    int depth = 0;
};

class CFuzzedTimers final : public CIdleTimers, public IIdleActionHost {
public:
    explicit CFuzzedTimers(Tick& tick) : m_tick(tick) {}

    void RunTick()
    {
        FuzzedDataProvider& data = m_tick.data;
        const std::uint32_t now = data.ConsumeIntegral<std::uint32_t>();
        const std::uint32_t lastInput = data.ConsumeBool() ? now - data.ConsumeIntegral<std::uint16_t>() * 1000u
                                                           : data.ConsumeIntegral<std::uint32_t>();
        switch (data.ConsumeIntegralInRange<int>(0, 6)) {
        case 0: SampleIdleSeconds(now, lastInput); break;
        case 1: CheckIdleMonitorOff(m_tick.store, now, lastInput); break;
        case 2: CheckIdleScreenSaver(m_tick.store, now, lastInput); break;
        case 3: CountDelay(m_tick.store); break;
        case 4: RearmIdleTimers(m_tick.store); break;
        case 5: RearmDelayTimer(m_tick.store); break;
        case 6: m_actions.Check(m_tick.settings, *this, m_idleSeconds); break;
        }
        FUZZ_CHECK(m_idleScrFired <= 1);
    }

protected:
    void StartViewTimer(unsigned id, unsigned periodMs) override
    {
        FUZZ_CHECK(id >= kIdleOffTimer && id <= kSecondTimer && periodMs > 0);
    }
    void StopViewTimer(unsigned id) override { FUZZ_CHECK(id >= kIdleOffTimer && id <= kSecondTimer); }
    void RefreshTooltipOnRearm() override {}
    bool ConfirmIdleMonitorOff(const std::wstring&) override { return Countdown(); }
    void SwitchMonitorOff() override {}
    void LockStation() override {}
    void AlertScreenSaver() override {}
    void StartScreenSaver() override {}

    bool ConfirmIdleAction(const std::wstring& message) override
    {
        FUZZ_CHECK(message.find(L"%s") == std::wstring::npos);
        return Countdown();
    }
    void RequestIdleAction(IdleAction action, bool forced) override
    {
        FUZZ_CHECK(!forced || action == IdleAction::Shutdown || action == IdleAction::LogOff);
    }

private:
    // A countdown's nested message loop may run further ticks before it ends.
    bool Countdown()
    {
        if (m_tick.depth < 3) {
            ++m_tick.depth;
            const int ticks = m_tick.data.ConsumeIntegralInRange<int>(0, 2);
            for (int i = 0; i < ticks; ++i) RunTick();
            --m_tick.depth;
        }
        return m_tick.data.ConsumeBool();
    }

    Tick& m_tick;
    CIdleActions m_actions;
};

class CNoDates final : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring&) override { return std::nullopt; }
    std::wstring Format(double) override { return std::wstring(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int minutes = data.ConsumeIntegral<int>();
    const std::uint32_t previous = data.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t seconds = data.ConsumeIntegral<std::uint32_t>();
    if (IdleActionDue(minutes, previous, seconds)) {
        const std::uint64_t mark = static_cast<std::uint64_t>(static_cast<std::uint32_t>(minutes)) * 60u;
        FUZZ_CHECK(minutes != 0 && seconds >= mark && seconds - mark <= kIdleActionLateSeconds);
        FUZZ_CHECK(previous == kNoIdleSample ? seconds == mark : previous < mark);
    }
    FUZZ_CHECK(!IdleActionDue(0, previous, seconds));

    CFuzzedStore store(data);
    CNoDates dates;
    CAppSettings settings(store, dates);
    Tick tick{data, store, settings};
    CFuzzedTimers timers(tick);
    while (data.remaining_bytes() > 0) timers.RunTick();
    return 0;
}
