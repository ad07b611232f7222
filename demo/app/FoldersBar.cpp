// FoldersBar.cpp - the Folders bar: a list that fills the bar's working area.
#include "StdAfx.h"

#include "FoldersBar.h"

namespace {

const int kMinWidth  = 90;    // the list stays readable when the user narrows the bar
const int kMinHeight = 80;
const int kDockedWidth = 150;

}  // namespace

BEGIN_MESSAGE_MAP(CFoldersBar, CCoolFloatBar)
    //{{AFX_MSG_MAP(CFoldersBar)
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGED()
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

CFoldersBar::CFoldersBar()
{
}

CFoldersBar::~CFoldersBar()
{
}

BOOL CFoldersBar::Create(CFrameWnd* pFrame, UINT nID)
{
    if (!CCoolFloatBar::Create(pFrame, nID, _T("Folders"), CSize(0, 0)))
        return FALSE;
    // The bar keeps its own size while floating; docked at the left it
    // starts narrower than the library's default, for a list of names.
    SetBarStyle(GetBarStyle() | CBRS_SIZE_DYNAMIC);
    m_sizeVert.cx = kDockedWidth;
    SetMinWidthHeight(kMinWidth, kMinHeight);
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, CRect(0, 0, 0, 0),
                          this, IDC_FOLDER_LIST))
        return FALSE;
    m_wndList.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    return TRUE;
}

void CFoldersBar::AddFolder(LPCTSTR lpszName)
{
    m_wndList.AddString(lpszName);
}

BOOL CFoldersBar::SelectFolder(LPCTSTR lpszName)
{
    return m_wndList.SelectString(-1, lpszName) != LB_ERR;
}

// The list follows the working area wherever the bar is docked or floats.
void CFoldersBar::OnSize(UINT nType, int cx, int cy)
{
    CCoolFloatBar::OnSize(nType, cx, cy);
    LayoutList();
}

// Docking back, the frame sizes the bar while it still floats, then hides it,
// moves it into the dock bar and shows it again without a new size: the
// caption band has moved but no WM_SIZE says so, and a list left where it
// was would cover the band and take the next drag. Each showing lays it out.
void CFoldersBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CCoolFloatBar::OnWindowPosChanged(lpwndpos);
    if (lpwndpos->flags & SWP_SHOWWINDOW)
        LayoutList();
}

void CFoldersBar::LayoutList()
{
    if (m_wndList.m_hWnd == NULL)
        return;
    CRect rcWork;
    GetWorkingRect(&rcWork);
    m_wndList.MoveWindow(&rcWork);
}
