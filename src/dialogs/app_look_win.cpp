#include "dialogs/app_look_win.h"

#include "dialogs/app_look.h"
#include "framework/app.h"
#include "resources/resource.h"

void SelectLook(int& appLook, int id, HWND owner, HWND frame, ISettingsStore& profile)
{
    CWaitCursor wait;
    const LookChange change = DecideLookChange(id, appLook);
    switch (change) {
    case LookChange::Nothing:
        return;
    case LookChange::Take:
        appLook = id;
        return;
    case LookChange::AskFromBasic:
    case LookChange::AskToBasic:
        if (MessageBoxW(owner, LookRestartQuestion(change), AfxAppTitle(), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        profile.WriteInt(kWorkspaceSection, L"ApplicationLook", id);
        PostMessageW(frame, WM_COMMAND, ID_APP_EXIT_UMBRIX, 0);
        return;
    }
}

void MarkLookItems(HMENU menu, int appLook)
{
    if (!menu) return;
    for (int id = kLookFirst; id <= kLookBasicWindowsSkin; ++id) {
        MENUITEMINFOW item{sizeof(item)};
        item.fMask = MIIM_FTYPE | MIIM_STATE;
        // By command: Windows looks through the sub-menus itself.
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &item)) continue;
        item.fType |= MFT_RADIOCHECK;
        item.fState = (item.fState & ~static_cast<UINT>(MFS_CHECKED)) | (id == appLook ? MFS_CHECKED : 0);
        SetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &item);
    }
}
