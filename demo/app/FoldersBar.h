// FoldersBar.h - the Folders bar: a list of the mail folders in the
// library's floating and dockable bar, docked at the frame's left.
#pragma once

class CFoldersBar : public CCoolFloatBar
{
public:
    CFoldersBar();

// Operations
public:
    // Creates the bar and its list as a child of the frame, with the id that
    // View > Folders shows and hides it by.
    BOOL Create(CFrameWnd* pFrame, UINT nID);
    void AddFolder(LPCTSTR lpszName);
    // Selects the folder of that name; FALSE when there is none.
    BOOL SelectFolder(LPCTSTR lpszName);

// Implementation
public:
    virtual ~CFoldersBar();

protected:
    CListBox m_wndList;

    //{{AFX_MSG(CFoldersBar)
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    //}}AFX_MSG
    void LayoutList();
    DECLARE_MESSAGE_MAP()
};
