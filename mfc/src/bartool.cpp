// CToolBar: a control bar over the common-controls tool bar.  The common
// control owns the buttons, draws and hit-tests them; this class loads them
// from resources, lays them out in rows for the bar's docking state, updates
// them from the command handlers and gives their tool tips and prompts.
#include "mfcimpl.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCREATE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
END_MESSAGE_MAP()

// RT_TOOLBAR, the resource type of a tool bar: a version word (1), the image
// width and height, the item count and one command id per item (0 for a
// separator), all 16-bit.  GNU windres has no TOOLBAR statement; resource
// scripts write it as raw data of type 241 (see the README).
#define RT_TOOLBAR MAKEINTRESOURCE(241)

namespace {

struct CToolBarData
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    WORD* items() { return (WORD*)(this + 1); }
};

const WORD kToolBarDataVersion = 1;

// A button is its image plus this much padding on the whole.
const int kButtonPadding = 7;

// The width of a separator; flat bars draw a thinner one.
const int kSeparatorWidth = 8;
const int kFlatSeparatorWidth = 6;

// The common control widens a drop-down button by its arrow.
const int kDropDownArrowWidth = 11;

BOOL IsPlainSeparator(const TBBUTTON& button)
{
    return (button.fsStyle & TBSTYLE_SEP) && button.idCommand == 0;
}

BOOL IsEmbeddedControl(const TBBUTTON& button)
{
    return (button.fsStyle & TBSTYLE_SEP) && button.idCommand != 0;
}

BOOL IsHidden(const TBBUTTON& button)
{
    return (button.fsState & TBSTATE_HIDDEN) != 0;
}

// Updates a tool bar button for its command.
class CToolCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn);
    virtual void SetCheck(int nCheck);
    virtual void SetText(LPCTSTR lpszText);
};

void CToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nNewStyle = pToolBar->GetButtonStyle((int)m_nIndex) & ~TBBS_DISABLED;
    // A button disabled while pressed would stay pressed.
    if (!bOn)
        nNewStyle = (nNewStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
    pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
}

// 0 clears, 1 checks, 2 makes the button indeterminate; it becomes a check box.
void CToolCmdUI::SetCheck(int nCheck)
{
    CToolBar* pToolBar = (CToolBar*)m_pOther;
    UINT nNewStyle = pToolBar->GetButtonStyle((int)m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle | TBBS_CHECKBOX);
}

// Tool bar buttons show images, not the command's text.
void CToolCmdUI::SetText(LPCTSTR)
{
}

}  // namespace

// ---------------------------------------------------------------- construction
CToolBar::CToolBar()
    : m_hRsrcImageWell(NULL),
      m_hInstImageWell(NULL),
      m_hbmImageWell(NULL),
      m_bDelayedButtonLayout(TRUE),
      m_sizeImage(16, 15),
      m_sizeButton(16 + kButtonPadding, 15 + kButtonPadding),
      m_pStringMap(NULL)
{
    // Taller top and bottom borders are easier to grab.
    m_cyTopBorder = 3;
    m_cyBottomBorder = 3;
}

CToolBar::~CToolBar()
{
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = NULL;
    delete m_pStringMap;
    m_pStringMap = NULL;
    m_nCount = 0;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(rcBorders);
    // The CBRS_ bits are the bar's; the control gets window and tool bar styles.
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;
    dwStyle &= ~CBRS_ALL;
    dwStyle |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE | dwCtrlStyle;
    CRect rect;
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CControlBar::OnNcCreate(lpcs))
        return FALSE;
    if (m_hWndOwner != NULL)
        DefWindowProc(TB_SETPARENT, (WPARAM)m_hWndOwner, 0);
    DefWindowProc(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

// The window the control sends its commands to follows the owner.
void CToolBar::SetOwner(CWnd* pOwnerWnd)
{
    CWnd::SetOwner(pOwnerWnd);
    if (m_hWnd != NULL)
        DefWindowProc(TB_SETPARENT, (WPARAM)pOwnerWnd->GetSafeHwnd(), 0);
}

// ---------------------------------------------------------------- sizes
void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    // The control answers through OnSetBitmapSize and OnSetButtonSize, which keep the sizes.
    if (m_hWnd == NULL) {
        m_sizeImage = sizeImage;
        m_sizeButton = sizeButton;
        return;
    }
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
    m_bDelayedButtonLayout = TRUE;
    Invalidate();
}

LRESULT CToolBar::OnSetSizeHelper(CSize& size, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult)
        size = CSize((short)LOWORD(lParam), (short)HIWORD(lParam));
    return lResult;
}

LRESULT CToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    return OnSetSizeHelper(m_sizeButton, lParam);
}

LRESULT CToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    return OnSetSizeHelper(m_sizeImage, lParam);
}

// Gives the bar a height: the borders above and below the buttons share
// what the buttons leave, the top one taking an odd pixel.
void CToolBar::SetHeight(int cyHeight)
{
    if (m_dwStyle & CBRS_BORDER_TOP)
        cyHeight -= AfxCyBorder2();
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        cyHeight -= AfxCyBorder2();
    m_cyBottomBorder = (cyHeight - m_sizeButton.cy) / 2;
    m_cyTopBorder = cyHeight - m_sizeButton.cy - m_cyBottomBorder;
    if (m_cyTopBorder < 0) {
        m_cyTopBorder = 0;
        m_cyBottomBorder = 0;
    }
    if (m_hWnd != NULL) {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
        Invalidate();
    }
}

// ---------------------------------------------------------------- loading
BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResource(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    CToolBarData* pData = hGlobal != NULL ? (CToolBarData*)::LockResource(hGlobal) : NULL;
    DWORD cbData = ::SizeofResource(hInst, hRsrc);
    if (pData == NULL || cbData < sizeof(CToolBarData) || pData->wVersion != kToolBarDataVersion ||
        cbData < sizeof(CToolBarData) + pData->wItemCount * sizeof(WORD))
        return FALSE;

    UINT* pItems = new UINT[pData->wItemCount + 1];
    for (int i = 0; i < pData->wItemCount; i++)
        pItems[i] = pData->items()[i];
    BOOL bResult = SetButtons(pItems, pData->wItemCount);
    delete[] pItems;
    if (!bResult)
        return FALSE;
    CSize sizeImage(pData->wWidth, pData->wHeight);
    SetSizes(CSize(sizeImage.cx + kButtonPadding, sizeImage.cy + kButtonPadding), sizeImage);
    // The image strip is the bitmap of the same name.
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInstImageWell = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HRSRC hRsrcImageWell = ::FindResource(hInstImageWell, lpszResourceName, RT_BITMAP);
    if (hRsrcImageWell == NULL)
        return FALSE;
    HBITMAP hbmImageWell = AfxLoadSysColorBitmap(hInstImageWell, hRsrcImageWell);
    if (!AddReplaceBitmap(hbmImageWell)) {
        if (hbmImageWell != NULL)
            ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    m_hInstImageWell = hInstImageWell;
    m_hRsrcImageWell = hRsrcImageWell;
    return TRUE;
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    m_hInstImageWell = NULL;
    m_hRsrcImageWell = NULL;
    return AddReplaceBitmap(hbmImageWell);
}

// Hands the strip to the control (which copies the images) and keeps it as
// the bar's image well, deleting the one it replaces.
BOOL CToolBar::AddReplaceBitmap(HBITMAP hbmImageWell)
{
    BITMAP bitmap;
    if (hbmImageWell == NULL || m_sizeImage.cx <= 0 || !::GetObject(hbmImageWell, sizeof(BITMAP), &bitmap))
        return FALSE;
    int nImages = bitmap.bmWidth / m_sizeImage.cx;
    BOOL bResult;
    if (m_hbmImageWell == NULL) {
        TBADDBITMAP addBitmap;
        addBitmap.hInst = NULL;
        addBitmap.nID = (UINT_PTR)hbmImageWell;
        bResult = DefWindowProc(TB_ADDBITMAP, (WPARAM)nImages, (LPARAM)&addBitmap) == 0;
    } else {
        TBREPLACEBITMAP replaceBitmap;
        replaceBitmap.hInstOld = NULL;
        replaceBitmap.nIDOld = (UINT_PTR)m_hbmImageWell;
        replaceBitmap.hInstNew = NULL;
        replaceBitmap.nIDNew = (UINT_PTR)hbmImageWell;
        replaceBitmap.nButtons = nImages;
        bResult = (BOOL)DefWindowProc(TB_REPLACEBITMAP, 0, (LPARAM)&replaceBitmap);
    }
    if (!bResult)
        return FALSE;
    if (m_hbmImageWell != NULL && m_hbmImageWell != hbmImageWell)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    Invalidate();
    return TRUE;
}

// Sets the bar's items: a command id per button (images in order), 0 for a
// separator; without an array, nIDCount blank buttons.
BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    int nOld = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    while (nOld-- > 0)
        DefWindowProc(TB_DELETEBUTTON, 0, 0);

    TBBUTTON button;
    memset(&button, 0, sizeof(TBBUTTON));
    button.iString = -1;
    int iImage = 0;
    int cxSeparator = (GetStyle() & TBSTYLE_FLAT) ? kFlatSeparatorWidth : kSeparatorWidth;
    for (int i = 0; i < nIDCount; i++) {
        button.fsState = TBSTATE_ENABLED;
        button.idCommand = lpIDArray != NULL ? (int)lpIDArray[i] : 0;
        if (lpIDArray != NULL && button.idCommand == 0) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = cxSeparator;
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = lpIDArray != NULL ? iImage++ : 0;
        }
        if (!DefWindowProc(TB_ADDBUTTONS, 1, (LPARAM)&button))
            return FALSE;
    }
    m_nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

void CToolBar::OnSysColorChange()
{
    // Images from a resource are loaded again in the new button colours.
    if (m_hInstImageWell != NULL && m_hRsrcImageWell != NULL) {
        HBITMAP hbmNew = AfxLoadSysColorBitmap(m_hInstImageWell, m_hRsrcImageWell);
        if (hbmNew != NULL && !AddReplaceBitmap(hbmNew))
            ::DeleteObject(hbmNew);
    }
    CControlBar::OnSysColorChange();
}

// ---------------------------------------------------------------- buttons
// The bar's view of a button: TBSTATE_ENABLED inverted, so that the state
// word reads as TBBS_DISABLED.
void CToolBar::_GetButton(int nIndex, TBBUTTON* pButton) const
{
    memset(pButton, 0, sizeof(TBBUTTON));
    if (!((CToolBar*)this)->DefWindowProc(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)pButton))
        return;
    pButton->fsState ^= TBSTATE_ENABLED;
}

// A change of state alone goes through TB_SETSTATE; anything else replaces
// the button, hidden from view meanwhile.  Wrapping is among the latter:
// the control lays its rows out again only when buttons come and go.
void CToolBar::_SetButton(int nIndex, TBBUTTON* pButton)
{
    TBBUTTON button;
    memset(&button, 0, sizeof(TBBUTTON));
    if (!DefWindowProc(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button))
        return;
    TBBUTTON buttonNew = *pButton;
    buttonNew.fsState ^= TBSTATE_ENABLED;
    if (buttonNew.iBitmap == button.iBitmap && buttonNew.idCommand == button.idCommand &&
        buttonNew.fsStyle == button.fsStyle && buttonNew.dwData == button.dwData && buttonNew.iString == button.iString &&
        !((buttonNew.fsState ^ button.fsState) & TBSTATE_WRAP)) {
        if (buttonNew.fsState != button.fsState)
            DefWindowProc(TB_SETSTATE, (WPARAM)button.idCommand, MAKELONG(buttonNew.fsState, 0));
        return;
    }
    DWORD dwStyle = GetStyle();
    ModifyStyle(WS_VISIBLE, 0);
    DefWindowProc(TB_DELETEBUTTON, (WPARAM)nIndex, 0);
    DefWindowProc(TB_INSERTBUTTON, (WPARAM)nIndex, (LPARAM)&buttonNew);
    ModifyStyle(0, dwStyle & WS_VISIBLE);
    Invalidate();
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    if (m_hWnd == NULL)
        return -1;
    int nCount = (int)((CToolBar*)this)->DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < nCount; i++) {
        TBBUTTON button;
        _GetButton(i, &button);
        if ((UINT)button.idCommand == nIDFind)
            return i;
    }
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    return (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (m_bDelayedButtonLayout)
        ((CToolBar*)this)->Layout();
    if (!((CToolBar*)this)->DefWindowProc(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    BYTE fsStyle = (BYTE)LOWORD(nStyle);
    BYTE fsState = (BYTE)HIWORD(nStyle);
    if (button.fsStyle == fsStyle && button.fsState == fsState)
        return;
    // Styles, wrapping and hiding change the layout; the other states do not.
    if (button.fsStyle != fsStyle || ((button.fsState ^ fsState) & (TBSTATE_WRAP | TBSTATE_HIDDEN)))
        m_bDelayedButtonLayout = TRUE;
    button.fsStyle = fsStyle;
    button.fsState = fsState;
    _SetButton(nIndex, &button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

// For a separator iImage is its width: a separator with a command id holds
// an embedded control that far wide.
void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    TBBUTTON buttonOld = button;
    button.idCommand = (int)nID;
    button.iBitmap = iImage;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    if (memcmp(&buttonOld, &button, sizeof(TBBUTTON)) != 0) {
        _SetButton(nIndex, &button);
        m_bDelayedButtonLayout = TRUE;
    }
}

// Texts are added to the control's string list once and shared by index.
BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    if (lpszText == NULL)
        return FALSE;
    void* pIndex = NULL;
    int nString = -1;
    if (m_pStringMap != NULL && m_pStringMap->Lookup(lpszText, pIndex))
        nString = (int)(INT_PTR)pIndex;
    if (nString == -1) {
        if (m_pStringMap == NULL)
            m_pStringMap = new CMapStringToPtr;
        // The control reads a list of strings ended by an empty one.
        int nLen = lstrlen(lpszText);
        CString strTemp(lpszText, nLen + 1);
        nString = (int)DefWindowProc(TB_ADDSTRING, 0, (LPARAM)(LPCTSTR)strTemp);
        if (nString == -1)
            return FALSE;
        m_pStringMap->SetAt(lpszText, (void*)(INT_PTR)nString);
    }
    TBBUTTON button;
    _GetButton(nIndex, &button);
    button.iString = nString;
    _SetButton(nIndex, &button);
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString strResult;
    GetButtonText(nIndex, strResult);
    return strResult;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    rString.Empty();
    if (m_pStringMap == NULL)
        return;
    TBBUTTON button;
    _GetButton(nIndex, &button);
    CString strKey;
    void* pIndex;
    for (POSITION pos = m_pStringMap->GetStartPosition(); pos != NULL;) {
        m_pStringMap->GetNextAssoc(pos, strKey, pIndex);
        if ((INT_PTR)pIndex == button.iString) {
            rString = strKey;
            return;
        }
    }
}

// ---------------------------------------------------------------- layout
// The bar wraps its buttons into rows with TBSTATE_WRAP on the last item of
// each row; a separator that ends a row becomes a gap between the rows.

namespace {

// What the control lays a button out with: its button size, and whether it
// draws drop-down arrows.
struct CToolMetrics
{
    CSize sizeButton;
    BOOL bDropDownArrows;

    explicit CToolMetrics(HWND hWnd)
    {
        DWORD dwSize = (DWORD)::SendMessage(hWnd, TB_GETBUTTONSIZE, 0, 0);
        sizeButton = CSize(LOWORD(dwSize), HIWORD(dwSize));
        bDropDownArrows = (::SendMessage(hWnd, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS) != 0;
    }

    int ItemWidth(const TBBUTTON& button) const
    {
        if (button.fsStyle & TBSTYLE_SEP)
            return button.iBitmap;
        int cx = sizeButton.cx;
        if ((button.fsStyle & TBSTYLE_DROPDOWN) && bDropDownArrows)
            cx += kDropDownArrowWidth;
        return cx;
    }

    // The common control puts two thirds of its standard separator width
    // between a row that a separator ends and the next, whatever that
    // separator's own width.
    static int SeparatorGap() { return kSeparatorWidth * 2 / 3; }
};

// The bounding box of the visible buttons as the control placed them.
CRect PlacedExtent(HWND hWnd, const TBBUTTON* pData, int nCount)
{
    CRect rectExtent;
    BOOL bFirst = TRUE;
    for (int i = 0; i < nCount; i++) {
        if (IsHidden(pData[i]))
            continue;
        CRect rect;
        if (!::SendMessage(hWnd, TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect))
            continue;
        if ((pData[i].fsStyle & TBSTYLE_SEP) && (pData[i].fsState & TBSTATE_WRAP))
            rect.right = rect.left;   // a row-ending separator is a gap, not width
        if (bFirst)
            rectExtent = rect;
        else
            rectExtent |= rect;
        bFirst = FALSE;
    }
    return rectExtent;
}

}  // namespace

// Marks where rows break so that no row is wider than nWidth: after the last
// separator of a row that overflows, else after the button before the one
// that does not fit.  Embedded controls never end a row.  Returns the number
// of rows.
int CToolBar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth)
{
    CToolMetrics metrics(m_hWnd);
    for (int i = 0; i < nCount; i++)
        pData[i].fsState &= ~TBSTATE_WRAP;
    int nRows = 1;
    int iRowStart = 0;
    int x = 0;
    for (int i = 0; i < nCount; i++) {
        if (IsHidden(pData[i]))
            continue;
        int cx = metrics.ItemWidth(pData[i]);
        if (x > 0 && x + cx > nWidth) {
            int iBreak = -1;
            for (int j = i; j >= iRowStart && iBreak < 0; j--) {
                if (IsPlainSeparator(pData[j]) && !IsHidden(pData[j]))
                    iBreak = j;
            }
            for (int j = i - 1; j >= iRowStart && iBreak < 0; j--) {
                if (!IsHidden(pData[j]) && !IsEmbeddedControl(pData[j]))
                    iBreak = j;
            }
            if (iBreak >= 0) {
                pData[iBreak].fsState |= TBSTATE_WRAP;
                nRows++;
                iRowStart = iBreak + 1;
                x = 0;
                i = iBreak;   // the next row starts after the break
                continue;
            }
        }
        x += cx;
    }
    // A break on the last visible item ends no row.
    for (int i = nCount - 1; i >= 0; i--) {
        if (IsHidden(pData[i]))
            continue;
        if (pData[i].fsState & TBSTATE_WRAP)
            nRows--;
        break;
    }
    return nRows;
}

// The size of the rows as the control will lay them out.
CSize CToolBar::CalcSize(TBBUTTON* pData, int nCount)
{
    CToolMetrics metrics(m_hWnd);
    CSize sizeResult(0, 0);
    int x = 0;
    int y = 0;
    for (int i = 0; i < nCount; i++) {
        if (IsHidden(pData[i]))
            continue;
        BOOL bWrap = (pData[i].fsState & TBSTATE_WRAP) != 0;
        BOOL bSeparator = (pData[i].fsStyle & TBSTYLE_SEP) != 0;
        int cx = metrics.ItemWidth(pData[i]);
        if (!(bSeparator && bWrap))
            sizeResult.cx = max(sizeResult.cx, (LONG)(x + cx));
        sizeResult.cy = max(sizeResult.cy, (LONG)(y + metrics.sizeButton.cy));
        x += cx;
        if (bWrap) {
            x = 0;
            y += metrics.sizeButton.cy + (bSeparator ? CToolMetrics::SeparatorGap() : 0);
        }
    }
    return sizeResult;
}

// Wraps the buttons for a bar nLength wide (or, bVert, nLength high) and
// then as narrow as the same number of rows allows, so rows come out even.
void CToolBar::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert)
{
    if (!bVert) {
        int nRows = WrapToolBar(pData, nCount, nLength);
        int nLow = 0;
        int nHigh = nLength;
        while (nLow < nHigh) {
            int nMid = nLow + (nHigh - nLow) / 2;
            if (WrapToolBar(pData, nCount, nMid) <= nRows)
                nHigh = nMid;
            else
                nLow = nMid + 1;
        }
        WrapToolBar(pData, nCount, nHigh);
        return;
    }
    // The narrowest layout whose rows fit in nLength.
    WrapToolBar(pData, nCount, 32767);
    int nLow = 0;
    int nHigh = CalcSize(pData, nCount).cx;
    while (nLow < nHigh) {
        int nMid = nLow + (nHigh - nLow) / 2;
        WrapToolBar(pData, nCount, nMid);
        if (CalcSize(pData, nCount).cy <= nLength)
            nHigh = nMid;
        else
            nLow = nMid + 1;
    }
    WrapToolBar(pData, nCount, nHigh);
}

// The size of the bar for a layout mode; with LM_COMMIT the control gets the
// rows.  Sizes of the rows the control has now are read from it, others are
// worked out the way it lays them out.
CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    CSize sizeResult(0, 0);
    int nCount = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    if (nCount > 0) {
        TBBUTTON* pData = new TBBUTTON[nCount];
        BYTE* pPlaced = new BYTE[nCount];
        for (int i = 0; i < nCount; i++) {
            _GetButton(i, &pData[i]);
            pPlaced[i] = pData[i].fsState & TBSTATE_WRAP;
        }
        if (!(m_dwStyle & CBRS_SIZE_FIXED)) {
            BOOL bDynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
            if (bDynamic && (dwMode & LM_MRUWIDTH)) {
                SizeToolBar(pData, nCount, (int)m_nMRUWidth);
            } else if (bDynamic && (dwMode & LM_HORZDOCK)) {
                SizeToolBar(pData, nCount, 32767);
            } else if (bDynamic && (dwMode & LM_VERTDOCK)) {
                SizeToolBar(pData, nCount, 0);
            } else if (bDynamic && nLength != -1) {
                // nLength is the whole bar's; the rows get it less the borders.
                CRect rect;
                CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
                BOOL bVert = (dwMode & LM_LENGTHY) != 0;
                SizeToolBar(pData, nCount, nLength + (bVert ? rect.Height() : rect.Width()), bVert);
            } else if (bDynamic && (m_dwStyle & CBRS_FLOATING)) {
                SizeToolBar(pData, nCount, (int)m_nMRUWidth);
            } else {
                SizeToolBar(pData, nCount, (dwMode & LM_HORZ) ? 32767 : 0);
            }
        }
        sizeResult = CalcSize(pData, nCount);

        BOOL bPlacedAlike = TRUE;
        for (int i = 0; i < nCount && bPlacedAlike; i++)
            bPlacedAlike = (pData[i].fsState & TBSTATE_WRAP) == pPlaced[i];
        if (dwMode & LM_COMMIT) {
            if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
                m_nMRUWidth = (UINT)sizeResult.cx;
            if (!bPlacedAlike) {
                for (int i = 0; i < nCount; i++)
                    _SetButton(i, &pData[i]);
                bPlacedAlike = TRUE;
            }
            m_bDelayedButtonLayout = FALSE;
        }
        if (bPlacedAlike) {
            CRect rectPlaced = PlacedExtent(m_hWnd, pData, nCount);
            if (!rectPlaced.IsRectEmpty())
                sizeResult = rectPlaced.Size();
        }
        delete[] pPlaced;
        delete[] pData;
    }

    // Add the borders and gripper; never less than a bar without items.
    CRect rect;
    CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
    sizeResult.cy -= rect.Height();
    sizeResult.cx -= rect.Width();
    CSize size = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    sizeResult.cx = max(sizeResult.cx, size.cx);
    sizeResult.cy = max(sizeResult.cy, size.cy);
    return sizeResult;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_bDelayedButtonLayout && m_hWnd != NULL)
        Layout();
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    if (m_bDelayedButtonLayout && m_hWnd != NULL && !(dwMode & LM_COMMIT))
        Layout();
    return CalcLayout(dwMode, nLength);
}

// Gives the control the rows of the bar's present state: floating at its
// MRU width, docked along a side, or one column docked upright.
void CToolBar::Layout()
{
    m_bDelayedButtonLayout = FALSE;
    if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
        CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    else if (m_dwStyle & CBRS_ORIENT_HORZ)
        CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    else
        CalcDynamicLayout(0, LM_VERTDOCK | LM_COMMIT);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    const DWORD dwFrameBits = CBRS_BORDER_ANY | CBRS_ALIGN_ANY | CBRS_FLOATING | CBRS_GRIPPER | CBRS_BORDER_3D;
    if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & dwFrameBits))
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_bDelayedButtonLayout = TRUE;
}

// ---------------------------------------------------------------- non-client area
// The borders and gripper are non-client; the client starts where the
// control puts its first button, so the buttons sit just inside them.
void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += rect.top;
    rc.right += rect.right;
    rc.bottom += rect.bottom;
    // Any margin the control keeps above and left of its first button.
    int nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < nCount; i++) {
        TBBUTTON button;
        CRect rectItem;
        if (!DefWindowProc(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button) || IsHidden(button) ||
            !DefWindowProc(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rectItem))
            continue;
        rc.left -= max(0L, rectItem.left);
        rc.top -= max(0L, rectItem.top);
        break;
    }
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

UINT CToolBar::OnNcHitTest(CPoint)
{
    // Borders and gripper answer as client, so a press there starts a drag.
    return HTCLIENT;
}

void CToolBar::OnNcPaint()
{
    EraseNonClient();
}

void CToolBar::OnPaint()
{
    if (m_bDelayedButtonLayout)
        Layout();
    Default();
}

BOOL CToolBar::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

void CToolBar::OnWindowPosChanging(LPWINDOWPOS lpWndPos)
{
    CControlBar::OnWindowPosChanging(lpWndPos);
    if (!(lpWndPos->flags & SWP_NOSIZE))
        Invalidate();
}

// ---------------------------------------------------------------- tool tips and updates
// A button under the point is a tool named by its command id; embedded
// controls and other children come first.
int CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    CToolBar* pBar = (CToolBar*)this;
    int nButtons = (int)pBar->DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < nButtons; i++) {
        CRect rect;
        TBBUTTON button;
        if (!pBar->DefWindowProc(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect))
            continue;
        rect.right++;
        rect.bottom++;
        if (!rect.PtInRect(point) || !pBar->DefWindowProc(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button) ||
            (button.fsStyle & TBSTYLE_SEP))
            continue;
        if (button.idCommand == 0)
            return -1;
        if (pTI != NULL) {
            pTI->hwnd = m_hWnd;
            pTI->rect = rect;
            pTI->uId = (UINT_PTR)button.idCommand;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return button.idCommand;
    }
    return -1;
}

// Each button (not separators) asks its own reflected handler, then the
// bar's, then the frame's handlers; the bar's child controls follow.
void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        TBBUTTON button;
        _GetButton((int)state.m_nIndex, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        if (CWnd::OnCmdMsg(0, MAKELONG((int)CN_UPDATE_COMMAND_UI, WM_COMMAND + WM_REFLECT_BASE), &state, NULL))
            continue;
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
