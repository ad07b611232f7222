// DemoApp.h - the demo application object.
#pragma once

// An ordinary MFC application: the framework's WinMain finds this object,
// calls InitInstance and then runs the message loop until the main frame
// closes.
class CDemoApp : public CWinApp
{
public:
    CDemoApp();

// Overrides
public:
    virtual BOOL InitInstance();

// Implementation
protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()
};

extern CDemoApp theApp;
