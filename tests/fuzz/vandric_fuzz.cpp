// Vandric's stored values ("Duration", "Action", "Key", "Mod") and action
// keywords of any text, its countdown and the tray tip it feeds.
#include "fuzz_support.h"
#include "timer/hot_key_modifiers.h"
#include "timer/schedule_countdown.h"
#include "timer/scheduled_action.h"
#include "timer/tray_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int duration = data.ConsumeIntegral<int>();
    const std::wstring action = ConsumeWide(data, 32);
    const int key = data.ConsumeIntegral<int>();
    const int mod = data.ConsumeIntegral<int>();

    // The list entries a stored choice selects exist, and select it back.
    if (const std::optional<int> index = DurationListIndex(duration))
        FUZZ_CHECK(*index >= 0 && *index < kMaxMinutes && *index + 1 == duration);
    else
        FUZZ_CHECK(duration < kMinMinutes || duration > kMaxMinutes);
    if (const std::optional<int> index = ActionListIndex(action)) {
        FUZZ_CHECK(*index >= 0 && *index < static_cast<int>(kActionItems.size()));
        FUZZ_CHECK(AsciiLower(kActionItems[*index]).rfind(AsciiLower(action), 0) == 0);
    }
    const std::wstring lower = AsciiLower(action);
    FUZZ_CHECK(lower.size() == action.size() && AsciiLower(lower) == lower);

    // Every request names one operation, forced exactly when "brute" is there.
    for (const unsigned request : ExitRequestsForAction(action)) {
        FUZZ_CHECK((request & ~kExitForce) <= kExitReboot);
        FUZZ_CHECK(((request & kExitForce) != 0) == (lower.find(L"brute") != std::wstring::npos));
    }
    const std::size_t item = data.ConsumeIntegralInRange<std::size_t>(0, kActionItems.size() - 1);
    FUZZ_CHECK(ExitRequestsForAction(kActionItems[item]).size() == 1);
    FUZZ_CHECK(ActionListIndex(kActionItems[item]) == static_cast<int>(item));

    // The hot key: only the low 16 bits count, the field shows the low bytes.
    const HotKeyRegistration registration = RegistrationForStored(key, mod);
    FUZZ_CHECK(registration.wanted == ((key & 0xFFFF) != 0));
    if (registration.wanted) FUZZ_CHECK(registration.virtualKey <= 0xFFFF && registration.modifiers <= 7);
    const unsigned field = FieldValueForStored(key, mod);
    FUZZ_CHECK((field & 0xFF) == (static_cast<unsigned>(key) & 0xFF) && field <= 0xFFFF);

    // The countdown of a valid schedule, ticked and questioned at random.
    CScheduleCountdown countdown;
    const int minutes = data.ConsumeIntegralInRange<int>(kMinMinutes, kMaxMinutes);
    countdown.Start(minutes, action);
    const TrayRecordVersion version = TrayRecordVersionForShell(data.ConsumeIntegral<int>());
    const int capacity = TrayTipCapacity(version);
    FUZZ_CHECK(capacity == 64 || capacity == 128);
    FUZZ_CHECK(TrayRecordSize(version, static_cast<TrayRecordAbi>(data.ConsumeIntegralInRange<int>(0, 2))) > 0);
    int lastRemaining = minutes * 60;
    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: {
            const CScheduleCountdown::TickResult tick = countdown.Tick();
            if (tick.step == CScheduleCountdown::Step::ShowTip) {
                FUZZ_CHECK(tick.remaining >= 0 && tick.remaining < lastRemaining);
                lastRemaining = tick.remaining;
                const std::wstring tip = FitTrayTip(CountdownTip(tick.remaining, action), capacity);
                FUZZ_CHECK(static_cast<int>(tip.size()) <= capacity - 1);
            }
            break;
        }
        case 1: countdown.BeginExitQuestion(); break;
        case 2:
            if (countdown.ExitQuestionOpen()) countdown.EndExitQuestion(data.ConsumeBool());
            break;
        case 3:
            countdown.Start(minutes, action);
            lastRemaining = minutes * 60;
            break;
        }
        FUZZ_CHECK(countdown.Elapsed() >= 0 && countdown.Elapsed() <= minutes * 60 + 1);
    }
    return 0;
}
