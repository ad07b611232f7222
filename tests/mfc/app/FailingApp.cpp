// An application whose InitInstance gives up after creating its main frame.
// Its ExitInstance tells by the exit code whether the frame was destroyed.
#include <afxwin.h>

#include "AppExitCodes.h"

class CFailingApp : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        CFrameWnd* pFrame = new CFrameWnd;
        if (pFrame->Create(NULL, _T("Failing MFC application")))
            m_pMainWnd = pFrame;
        return FALSE;
    }
    virtual int ExitInstance()
    {
        CWinApp::ExitInstance();
        return m_pMainWnd == NULL ? kExitFrameDestroyed : kExitFrameLeftOver;
    }
};

CFailingApp theApp;
