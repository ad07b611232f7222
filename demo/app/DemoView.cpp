// DemoView.cpp - the client area: shortcuts, activity log and notes between two split bars.
#include "StdAfx.h"

#include "DemoView.h"

namespace {

const int kSplitThickness   = 5;    // both split bars
const int kShortcutsWidth   = 104;  // the shortcuts pane until the user drags the bar
const int kActivityShare    = 55;   // percent of the height for the log until then
const int kMinShortcuts     = 60;   // the panes never get smaller than these
const int kMinRightSide     = 120;
const int kMinPaneHeight    = 40;
const int kMaxLogLines      = 200;

// The shortcuts: the library's button-list glyphs in three groups.
enum Glyph { kFolder, kDocument, kMail, kCalendar, kContacts, kNote, kChart, kGear };

struct Shortcut
{
    LPCTSTR lpszGroup;
    int nImage;
    LPCTSTR lpszText;
    LPCTSTR lpszTip;
};

const Shortcut kShortcuts[] = {
    {_T("Mail"), kMail, _T("Inbox"), _T("Messages you received")},
    {_T("Mail"), kDocument, _T("Drafts"), _T("Messages not sent yet")},
    {_T("Mail"), kFolder, _T("Archive"), _T("Messages you kept")},
    {_T("Planner"), kCalendar, _T("Calendar"), _T("Appointments and meetings")},
    {_T("Planner"), kContacts, _T("Contacts"), _T("People you write to")},
    {_T("Planner"), kNote, _T("Notes"), _T("Short notes to yourself")},
    {_T("Tools"), kChart, _T("Reports"), _T("How much mail came and went")},
    {_T("Tools"), kGear, _T("Settings"), _T("How the organizer behaves")},
};

// nValue kept within [nLow, nHigh]; nLow wins when the two cross.
int Clamp(int nValue, int nLow, int nHigh)
{
    if (nValue > nHigh)
        nValue = nHigh;
    return nValue < nLow ? nLow : nValue;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDemoView, CWnd)
    //{{AFX_MSG_MAP(CDemoView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(kSplitBarMoved, OnSplitBarMoved)
    ON_MESSAGE(kListClickMessage, OnShortcutClicked)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

CDemoView::CDemoView()
    : m_cxShortcuts(kShortcutsWidth),
      m_cyActivity(-1)
{
}

CDemoView::~CDemoView()
{
}

BOOL CDemoView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // The split bars paint nothing themselves: the view's background shows
    // through them, so the view does not clip its children.
    cs.style &= ~(WS_BORDER | WS_CLIPCHILDREN);
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
    return TRUE;
}

int CDemoView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_brushBar.CreateSolidBrush(kBarBackground);
    m_font.CreatePointFont(90, _T("Tahoma"));
    if (!CreatePanes())
        return -1;
    FillShortcuts();
    Log(_T("VeluCtrl Demo started"));
    return 0;
}

BOOL CDemoView::CreatePanes()
{
    // Every pane starts empty: OnSize places them.
    const CRect rcNone(0, 0, 0, 0);
    if (!m_wndShortcuts.Create(WS_CHILD | WS_VISIBLE, rcNone, this, IDC_SHORTCUTS) ||
        !m_wndVSplit.Create(WS_CHILD | WS_VISIBLE, rcNone, this, IDC_VSPLIT) ||
        !m_wndActivity.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
                              rcNone, this, IDC_ACTIVITY) ||
        !m_wndHSplit.Create(WS_CHILD | WS_VISIBLE, rcNone, this, IDC_HSPLIT) ||
        !m_wndNotes.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                           rcNone, this, IDC_NOTES))
        return FALSE;

    m_wndActivity.SetFont(&m_font);
    m_wndNotes.SetFont(&m_font);
    m_wndNotes.SetTipText(_T("Write a note here; File > Save notes keeps it"), ::GetSysColor(COLOR_GRAYTEXT), FALSE);

    // The vertical bar moves everything on its right, the horizontal bar
    // included; the horizontal bar divides the log from the notes.
    m_wndVSplit.AttachAsLeftPane(IDC_SHORTCUTS);
    m_wndVSplit.AttachAsRightPane(IDC_ACTIVITY);
    m_wndVSplit.AttachAsRightPane(IDC_HSPLIT);
    m_wndVSplit.AttachAsRightPane(IDC_NOTES);
    m_wndVSplit.SetMinWidth(kMinShortcuts, kMinRightSide);
    m_wndHSplit.AttachAsAbovePane(IDC_ACTIVITY);
    m_wndHSplit.AttachAsBelowPane(IDC_NOTES);
    m_wndHSplit.SetMinHeight(kMinPaneHeight, kMinPaneHeight);
    return TRUE;
}

void CDemoView::FillShortcuts()
{
    m_wndShortcuts.SetVirticalOrHorizontal(kListVertical, FALSE);
    m_wndShortcuts.NeedGroup(TRUE);
    for (int i = 0; i < (int)_countof(kShortcuts); i++)
    {
        const Shortcut& s = kShortcuts[i];
        m_wndShortcuts.AddButton(s.lpszGroup, s.nImage, s.lpszText, s.lpszTip, (unsigned long)i);
    }
    m_wndShortcuts.SetGroupToolTip(_T("Mail"), _T("Your messages"));
    m_wndShortcuts.SetGroupToolTip(_T("Planner"), _T("Your time and the people in it"));
    m_wndShortcuts.SetGroupToolTip(_T("Tools"), _T("Reports and settings"));
    m_wndShortcuts.EnableToolTips();
}

void CDemoView::LayoutPanes(int cx, int cy)
{
    // Keep the chosen sizes where the window allows, and every minimum.
    const int cxLeft = Clamp(m_cxShortcuts, kMinShortcuts, cx - kSplitThickness - kSplitPaneGap * 2 - kMinRightSide);
    if (m_cyActivity < 0)
        m_cyActivity = cy * kActivityShare / 100;
    const int cyTop = Clamp(m_cyActivity, kMinPaneHeight, cy - kSplitThickness - kSplitPaneGap * 2 - kMinPaneHeight);

    // A pane keeps one pixel free on each side of a bar, as the bars do.
    const int xBar = cxLeft + kSplitPaneGap;
    const int xRight = xBar + kSplitThickness + kSplitPaneGap;
    const int yBar = cyTop + kSplitPaneGap;
    const int yNotes = yBar + kSplitThickness + kSplitPaneGap;
    m_wndShortcuts.MoveWindow(0, 0, cxLeft, cy);
    m_wndVSplit.MoveWindow(xBar, 0, kSplitThickness, cy);
    m_wndActivity.MoveWindow(xRight, 0, cx - xRight, cyTop);
    m_wndHSplit.MoveWindow(xRight, yBar, cx - xRight, kSplitThickness);
    m_wndNotes.MoveWindow(xRight, yNotes, cx - xRight, cy - yNotes);
}

void CDemoView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0)
        LayoutPanes(cx, cy);
}

BOOL CDemoView::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillRect(&rect, &m_brushBar);
    return TRUE;
}

// A split bar moved: the panes already follow it; remember the new sizes.
LRESULT CDemoView::OnSplitBarMoved(WPARAM wParam, LPARAM lParam)
{
    CRect rcBar;
    CString strLine;
    if (lParam == IDC_VSPLIT)
    {
        m_wndVSplit.GetWindowRect(&rcBar);
        ScreenToClient(&rcBar);
        m_cxShortcuts = rcBar.left - kSplitPaneGap;
        strLine.Format(_T("Shortcuts pane is now %d pixels wide"), m_cxShortcuts);
    }
    else
    {
        m_wndHSplit.GetWindowRect(&rcBar);
        ScreenToClient(&rcBar);
        m_cyActivity = rcBar.top - kSplitPaneGap;
        strLine.Format(_T("Activity log is now %d pixels high"), m_cyActivity);
    }
    Log(strLine);
    (void)wParam;   // the distance moved; the bar's new place says all
    return 0;
}

LRESULT CDemoView::OnShortcutClicked(WPARAM, LPARAM lParam)
{
    CString strLine;
    strLine.Format(_T("Shortcut: %s"), m_wndShortcuts.GetItemText((int)lParam));
    Log(strLine);
    return 0;
}

void CDemoView::Log(LPCTSTR lpszText)
{
    if (m_wndActivity.m_hWnd == NULL)
        return;
    if (m_wndActivity.GetCount() >= kMaxLogLines)
        m_wndActivity.DeleteString(0);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString strLine;
    strLine.Format(_T("%02d:%02d:%02d   %s"), now.wHour, now.wMinute, now.wSecond, lpszText);
    const int nIndex = m_wndActivity.AddString(strLine);
    m_wndActivity.SetTopIndex(nIndex);
}

BOOL CDemoView::IsNotesModified() const
{
    return m_wndNotes.m_hWnd != NULL && m_wndNotes.GetModify();
}

void CDemoView::SetNotesSaved()
{
    m_wndNotes.SetModify(FALSE);
}
