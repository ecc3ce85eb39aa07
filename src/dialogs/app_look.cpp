#include "dialogs/app_look.h"

namespace {

struct LookEntry {
    int id;
    int radio;
};

// "Customize Menu" (1009) sits between the Office 2007 buttons and "Basic
// Windows Skin", so the radio numbers are not one run.
constexpr LookEntry kLooks[] = {
    {210, 1000}, {211, 1001}, {212, 1002}, {213, 1003}, {214, 1004},
    {215, 1005}, {216, 1006}, {217, 1007}, {218, 1008}, {219, 1010},
};

}  // namespace

bool IsLookId(int id)
{
    return LookRadioButton(id).has_value();
}

std::optional<int> LookRadioButton(int lookId)
{
    for (const LookEntry& look : kLooks)
        if (look.id == lookId) return look.radio;
    return std::nullopt;
}

std::optional<int> LookOfRadioButton(int controlId)
{
    for (const LookEntry& look : kLooks)
        if (look.radio == controlId) return look.id;
    return std::nullopt;
}

int StoredLookOrDefault(int stored)
{
    return IsLookId(stored) ? stored : kLookBasicWindowsSkin;
}

LookChange DecideLookChange(int id, int current)
{
    if (id == current) return LookChange::Nothing;
    if (current == kLookBasicWindowsSkin) return LookChange::AskFromBasic;
    if (id == kLookBasicWindowsSkin && current != kLookNone) return LookChange::AskToBasic;
    return LookChange::Take;
}

const wchar_t* LookRestartQuestion(LookChange change)
{
    switch (change) {
    case LookChange::AskFromBasic:
        return L"The Application must be closed and re-launched to switch from Basic Windows Skin.\n"
               L"Do you wish to close the application now?";
    case LookChange::AskToBasic:
        return L"The Application must be closed and re-launched to switch to Basic Windows Skin.\n"
               L"Do you wish to close the application now?";
    default:
        return L"";
    }
}
