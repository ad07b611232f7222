// DemoView.h - the frame's client area: a shortcuts bar, the activity log and
// the notes, divided by a vertical and a horizontal split bar.
#pragma once

class CDemoView : public CWnd
{
public:
    CDemoView();

// Operations
public:
    // Adds a line to the activity log and scrolls to it.
    void Log(LPCTSTR lpszText);
    BOOL IsNotesModified() const;
    void SetNotesSaved();

// Overrides
protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

// Implementation
public:
    virtual ~CDemoView();

protected:
    CButtonListBar m_wndShortcuts;
    CVertSplitWnd  m_wndVSplit;
    CListBox       m_wndActivity;
    CHorzSplitWnd  m_wndHSplit;
    CCoolEdit      m_wndNotes;
    CFont          m_font;
    CBrush         m_brushBar;      // the background the panes stand on

    // Pane sizes the user chose with the split bars; resizing the window
    // keeps them (and keeps every pane at its minimum).
    int m_cxShortcuts;
    int m_cyActivity;

    BOOL CreatePanes();
    void FillShortcuts();
    void LayoutPanes(int cx, int cy);

    //{{AFX_MSG(CDemoView)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSplitBarMoved(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShortcutClicked(WPARAM wParam, LPARAM lParam);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};
