// ControlsDlg.h - the Controls dialog: every control of the library, each
// subclassed from an ordinary control of the dialog template, with tooltips.
#pragma once

class CControlsDlg : public CCoolDialog
{
public:
    CControlsDlg(CWnd* pParent = NULL);

    enum { IDD = IDD_CONTROLS };

// Implementation
protected:
    // Labels
    CCoolLabel      m_wndTitle;
    CCoolLabel      m_wndNameLabel;
    CCoolLabel      m_wndCodeLabel;
    CCoolLabel      m_wndDueLabel;
    CCoolLabel      m_wndFolderLabel;
    CCoolLabel      m_wndCreatedLabel;

    // Fields
    CCoolEdit       m_wndName;
    CCoolEdit       m_wndCode;
    CCoolMaskEdit   m_wndDue;
    CCoolComboBox   m_wndFolder;
    CCoolEdit       m_wndCreated;

    // Options, help and progress
    CCoolCheckBox   m_wndRemember;
    CCoolCheckBox   m_wndNotifyMe;
    CCoolHelpButton m_wndHelpLink;
    CCoolProgress   m_wndProgress;
    CCoolButton     m_btnRun;

    // Two panes and the split bar between them
    CCoolEdit       m_wndLeftPane;
    CVertSplitWnd   m_wndSplit;
    CCoolEdit       m_wndRightPane;

    // Dialog buttons
    CCoolButton     m_btnApply;
    CCoolButton     m_btnOK;
    CCoolButton     m_btnCancel;

    CBalloonTip     m_wndBalloon;       // the help link's explanation
    CBrush          m_brushSplit;
    int             m_nRunPos;          // percent of a running progress, -1 when none runs

    void SubclassControls();
    void SetUpControls();
    void AddToolTips();
    void SetModified();

    static void OnCheckChanged(void* pContext, CCoolCheckBox* pCheckBox);

    virtual BOOL OnInitDialog();

    //{{AFX_MSG(CControlsDlg)
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnHelpLink();
    afx_msg void OnRun();
    afx_msg void OnApply();
    afx_msg void OnFieldChanged();
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};
