// CMainFrame: the commands of the secondary windows and the application look.
#include "shell/main_frame.h"

#include "dialogs/about_dlg.h"
#include "dialogs/app_look.h"
#include "dialogs/app_look_win.h"
#include "dialogs/dlg_help_videos.h"
#include "dialogs/dlg_select_gui.h"
#include "dialogs/dlg_welcome.h"
#include "dialogs/tip_dlg.h"
#include "framework/app.h"
#include "resources/resource.h"

void CMainFrame::TakeStoredLook()
{
    *m_appLook = kLookNone;
    const int stored = AfxProfile().ReadInt(kWorkspaceSection, L"ApplicationLook", kLookBasicWindowsSkin);
    SelectLook(*m_appLook, StoredLookOrDefault(stored), m_hWnd, m_hWnd, AfxProfile());
}

bool CMainFrame::OnSecondaryCommand(UINT id)
{
    if (IsLookId(static_cast<int>(id))) {
        SelectLook(*m_appLook, static_cast<int>(id), m_hWnd, m_hWnd, AfxProfile());
        return true;
    }
    switch (id) {
    case ID_APP_LOOK_AND_MORE: {
        HWND frame = m_hWnd;
        CDlgSelectGui chooser([this] { return *m_appLook; },
                              [this, frame](int look, HWND owner) {
                                  SelectLook(*m_appLook, look, owner, frame, AfxProfile());
                              });
        chooser.DoModal();
        return true;
    }
    case ID_TIP_OF_DAY: {
        CTipDlg tip(AfxProfile(), m_tipsFilePath);
        tip.DoModal();
        return true;
    }
    case ID_WELCOME_CENTER: {
        CDlgWelcome welcome(m_hWnd);
        welcome.DoModal();
        return true;
    }
    case ID_HELP_VIDEOS: {
        CDlgHelpVideos videos;
        videos.DoModal();
        return true;
    }
    case ID_APP_ABOUT: {
        CAboutDlg about;
        about.DoModal();
        return true;
    }
    default:
        return false;
    }
}
