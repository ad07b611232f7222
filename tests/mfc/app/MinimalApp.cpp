// The smallest MFC application: a global application object whose
// InitInstance creates the main frame.  No main, no WinMain of its own.
#include <afxwin.h>

class CMinimalApp : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        CFrameWnd* pFrame = new CFrameWnd;
        if (!pFrame->Create(NULL, _T("Minimal MFC application")))
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(m_nCmdShow);
        pFrame->UpdateWindow();
        return TRUE;
    }
};

CMinimalApp theApp;
