// ControlsDlg.cpp - the Controls dialog: the library's controls made from template controls.
#include "StdAfx.h"

#include "ControlsDlg.h"

namespace {

const UINT kRunTimer       = 1;
const UINT kRunTick        = 30;     // ms between steps of a run
const int  kRunStep        = 2;      // percent per step
const int  kStartProgress  = 60;     // the bar before the first run
const int  kBalloonTail    = 14;
const int  kBalloonShowTime = 8000;

const TCHAR* const kFolders[] = {
    _T("Inbox"), _T("Drafts"), _T("Sent items"), _T("Archive"),
};

// The progress bar's caption: "60 % done".
void ProgressCaption(unsigned long /*data*/, int nPercent, char* pszText)
{
    wsprintfA(pszText, "%d %% done", nPercent);
}

}  // namespace

BEGIN_MESSAGE_MAP(CControlsDlg, CCoolDialog)
    //{{AFX_MSG_MAP(CControlsDlg)
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_HELP_LINK, OnHelpLink)
    ON_BN_CLICKED(IDC_RUN, OnRun)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
    ON_EN_CHANGE(IDC_NAME, OnFieldChanged)
    ON_EN_CHANGE(IDC_CODE, OnFieldChanged)
    ON_CBN_SELCHANGE(IDC_FOLDER, OnFieldChanged)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

CControlsDlg::CControlsDlg(CWnd* pParent)
    : CCoolDialog(CControlsDlg::IDD, pParent),
      m_nRunPos(-1)
{
}

BOOL CControlsDlg::OnInitDialog()
{
    CCoolDialog::OnInitDialog();   // the skin and the tooltip manager
    SubclassControls();
    SetUpControls();
    AddToolTips();
    m_brushSplit.CreateSolidBrush(kBarEdge);
    m_wndBalloon.Create();
    return TRUE;
}

// Each template control becomes the library's control of the same place.
void CControlsDlg::SubclassControls()
{
    m_wndTitle.SubclassDlgItem(IDC_TITLE, this);
    m_wndNameLabel.SubclassDlgItem(IDC_NAME_LABEL, this);
    m_wndCodeLabel.SubclassDlgItem(IDC_CODE_LABEL, this);
    m_wndDueLabel.SubclassDlgItem(IDC_DUE_LABEL, this);
    m_wndFolderLabel.SubclassDlgItem(IDC_FOLDER_LABEL, this);
    m_wndCreatedLabel.SubclassDlgItem(IDC_READONLY_LABEL, this);

    m_wndName.SubclassDlgItem(IDC_NAME, this);
    m_wndCode.SubclassDlgItem(IDC_CODE, this);
    m_wndDue.SubclassDlgItem(IDC_DUE, this);
    m_wndFolder.SubclassDlgItem(IDC_FOLDER, this);
    m_wndCreated.SubclassDlgItem(IDC_READONLY, this);

    m_wndRemember.SubclassDlgItem(IDC_REMEMBER, this);
    m_wndNotifyMe.SubclassDlgItem(IDC_NOTIFY_ME, this);
    m_wndHelpLink.SubclassDlgItem(IDC_HELP_LINK, this);
    m_wndProgress.SubclassDlgItem(IDC_PROGRESS, this);
    m_btnRun.SubclassDlgItem(IDC_RUN, this);

    m_wndLeftPane.SubclassDlgItem(IDC_LEFT_PANE, this);
    m_wndSplit.BindWithControl(this, IDC_SPLIT);
    m_wndRightPane.SubclassDlgItem(IDC_RIGHT_PANE, this);

    m_btnApply.SubclassDlgItem(IDC_APPLY, this);
    m_btnOK.SubclassDlgItem(IDOK, this);
    m_btnCancel.SubclassDlgItem(IDCANCEL, this);
}

void CControlsDlg::SetUpControls()
{
    m_wndTitle.SetTextColor(RGB(0, 51, 153));

    const COLORREF crHint = ::GetSysColor(COLOR_GRAYTEXT);
    m_wndName.SetTipText(_T("Your name"), crHint, FALSE);
    m_wndCode.SetUpperLower(kEditCaseUpper);
    m_wndCode.SetTipText(_T("Letters and digits"), crHint, FALSE);

    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_wndDue.MaskDateTime(kMaskFormatDateTime);
    m_wndDue.SetDateTime(now.wYear, now.wMonth, now.wDay, now.wHour, 0, 0);

    for (int i = 0; i < (int)_countof(kFolders); i++)
        m_wndFolder.AddString(kFolders[i]);
    m_wndFolder.SetTipText(_T("Choose a folder"), crHint);

    CString strCreated;
    strCreated.Format(_T("%04d-%02d-%02d"), now.wYear, now.wMonth, now.wDay);
    m_wndCreated.SetWindowText(strCreated);

    m_wndRemember.SetCheck(1, FALSE, FALSE);
    m_wndRemember.SetChangedCallback(this, OnCheckChanged);
    m_wndNotifyMe.SetChangedCallback(this, OnCheckChanged);
    m_wndHelpLink.LeftAndFitText();

    m_wndProgress.SetTextFunc(ProgressCaption, 0);
    m_wndProgress.Init(100, kStartProgress, kRunStep);

    m_wndLeftPane.SetWindowText(_T("Drag the bar on my right\r\nto share the room."));
    m_wndRightPane.SetWindowText(_T("The bar keeps both panes\r\nat least 40 pixels wide."));
    m_wndSplit.AttachAsLeftPane(IDC_LEFT_PANE);
    m_wndSplit.AttachAsRightPane(IDC_RIGHT_PANE);
    m_wndSplit.SetMinWidth(40, 40);
    m_wndSplit.RecalcLayout();
}

void CControlsDlg::AddToolTips()
{
    AddToolTip(IDC_NAME, _T("The name others see"));
    AddToolTip(IDC_CODE, _T("Typed letters become capitals"));
    AddToolTip(IDC_DUE, _T("Type digits, or step a part with the arrow keys"));
    AddToolTip(IDC_FOLDER, _T("Where new messages go"));
    AddToolTip(IDC_READONLY, _T("Read-only: shown, not edited"));
    AddToolTip(IDC_REMEMBER, _T("Keeps you signed in"));
    AddToolTip(IDC_NOTIFY_ME, _T("Slides a notifier out when mail comes"));
    AddToolTip(IDC_HELP_LINK, _T("Explains this dialog"));
    AddToolTip(IDC_PROGRESS, _T("A skinned progress bar with its own caption"));
    AddToolTip(IDC_RUN, _T("Runs the progress bar from empty to full"));
    AddToolTip(IDC_SPLIT, _T("Drag to share the room between the panes"));
    AddToolTip(IDC_APPLY, _T("Keeps the changes and leaves the dialog open"));
    AddToolTip(IDOK, _T("Keeps the changes and closes the dialog"));
    AddToolTip(IDCANCEL, _T("Closes the dialog without keeping changes"));
}

void CControlsDlg::OnDestroy()
{
    if (m_wndBalloon.m_hWnd != NULL)
        m_wndBalloon.DestroyWindow();
    CCoolDialog::OnDestroy();
}

// The split bar's static control takes the bars' edge colour.
HBRUSH CControlsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hbr = CCoolDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd->GetDlgCtrlID() == IDC_SPLIT)
        return (HBRUSH)m_brushSplit.GetSafeHandle();
    return hbr;
}

void CControlsDlg::OnHelpLink()
{
    CRect rect;
    m_wndHelpLink.GetWindowRect(&rect);
    m_wndBalloon.ShowMe(rect.left + rect.Width() / 3, rect.bottom,
                        _T("Each control is an ordinary control of the\n")
                        _T("dialog template, subclassed in OnInitDialog."),
                        kBalloonTail, kBalloonTailTopLeft, ::GetSysColor(COLOR_INFOBK), kBarEdge, RGB(0, 0, 0),
                        kBalloonShowTime);
}

void CControlsDlg::OnRun()
{
    m_nRunPos = 0;
    m_wndProgress.SetPos(0);
    m_btnRun.EnableWindow(FALSE);
    SetTimer(kRunTimer, kRunTick, NULL);
}

void CControlsDlg::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kRunTimer)
    {
        CCoolDialog::OnTimer(nIDEvent);
        return;
    }
    m_nRunPos += kRunStep;
    m_wndProgress.SetPos(m_nRunPos);
    if (m_nRunPos >= 100)
    {
        KillTimer(kRunTimer);
        m_nRunPos = -1;
        m_btnRun.EnableWindow(TRUE);
    }
}

void CControlsDlg::OnApply()
{
    m_btnApply.EnableWindow(FALSE);
}

void CControlsDlg::OnFieldChanged()
{
    SetModified();
}

void CControlsDlg::SetModified()
{
    m_btnApply.EnableWindow(TRUE);
}

void CControlsDlg::OnCheckChanged(void* pContext, CCoolCheckBox* /*pCheckBox*/)
{
    static_cast<CControlsDlg*>(pContext)->SetModified();
}
