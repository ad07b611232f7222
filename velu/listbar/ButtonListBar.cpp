// ButtonListBar.cpp - CButtonListBar's model: buttons, groups, texts, selection, creation and the click notification.
#include "listbar/VeluListBar.h"

#include <mbstring.h>
#include <string.h>

namespace
{
// Copies src into dest (kListTextSize bytes), keeping at most nMaxBytes; a null src leaves it empty.
void CopyCut(char* pszDest, const char* pszSource, int nMaxBytes)
{
    memset(pszDest, 0, kListTextSize);
    if (pszSource == NULL)
        return;
    if (static_cast<int>(strlen(pszSource)) <= nMaxBytes)
    {
        strcpy(pszDest, pszSource);
        return;
    }
    _mbsnbcpy(reinterpret_cast<unsigned char*>(pszDest),
              reinterpret_cast<const unsigned char*>(pszSource), nMaxBytes);
    pszDest[nMaxBytes] = '\0';
}

void EmptyGroup(BUTTONLISTGROUP& group)
{
    memset(&group.item, 0, sizeof(group.item));
    group.item.nImage = -1;
    for (int i = 0; i < kListMaxGroupButtons; ++i)
        group.nMembers[i] = -1;
}

int MemberCount(const BUTTONLISTGROUP& group)
{
    int n = 0;
    while (n < kListMaxGroupButtons && group.nMembers[n] != -1)
        ++n;
    return n;
}
}

IMPLEMENT_DYNAMIC(CButtonListBar, CWndForXCtrl)

BEGIN_MESSAGE_MAP(CButtonListBar, CWndForXCtrl)
    //{{AFX_MSG_MAP(CButtonListBar)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedToolTextA)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnNeedToolTextW)
    //}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CButtonListBar::CButtonListBar()
    : m_nHotArrow(kListNoArrow),
      m_nCurSelGroup(0),
      m_nHotGroupButton(-1),
      m_bGroupsEnabled(TRUE),
      m_hWndNotify(NULL),
      m_bPressed(FALSE),
      m_nCurSel(-1),
      m_nMouseClickItem(-1),
      m_nPressedPos(-1),
      m_nFirstShown(0),
      m_nEdgePos(-1),
      m_crBackground(CLR_INVALID),   // differs from every colour, so the brush below is made
      m_hBrushBackground(NULL),
      m_nOrientation(kListHorizontal),
      m_pItemImageList(NULL),
      m_nCount(0),
      m_nCapacity(0),
      m_pButtons(NULL),
      m_nDisplayMode(kListImageAndText)
{
    for (int g = 0; g < kListMaxGroups; ++g)
        EmptyGroup(m_groups[g]);
    SetBkColor(::GetSysColor(COLOR_BTNSHADOW), FALSE);
}

CButtonListBar::~CButtonListBar()
{
    delete[] m_pButtons;
    if (m_hBrushBackground != NULL)
        ::DeleteObject(m_hBrushBackground);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CButtonListBar::SetOwner(HWND hWndOwner)
{
    m_hWndNotify = hWndOwner;
}

void CButtonListBar::SetVirticalOrHorizontal(int nOrientation, int bRepaint)
{
    m_nOrientation = nOrientation;
    if (bRepaint && m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CButtonListBar::SetImageOrTextOrBoth(int nMode, int bRepaint)
{
    m_nDisplayMode = nMode;
    if (bRepaint && m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CButtonListBar::SetBkColor(COLORREF crBackground, int bRepaint)
{
    if (crBackground == m_crBackground)
        return;
    m_crBackground = crBackground;
    if (m_hBrushBackground != NULL)
        ::DeleteObject(m_hBrushBackground);
    m_hBrushBackground = ::CreateSolidBrush(crBackground);
    if (bRepaint && m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, FALSE);
}

CImageList* CButtonListBar::SetItemImageList(CImageList* pImageList)
{
    CImageList* pOld = m_pItemImageList;
    m_pItemImageList = pImageList;
    return pOld;
}

CFont* CButtonListBar::GetButtonListFont()
{
    return &g_fontShared10;
}

int CButtonListBar::GetCurSel() const            { return m_nCurSel; }
int CButtonListBar::GetMouseClickItem() const    { return m_nMouseClickItem; }
int CButtonListBar::GetTotalCount() const        { return m_nCount; }
int CButtonListBar::GetCurSelGroupButton() const { return m_nCurSelGroup; }

int CButtonListBar::GetGroups() const
{
    if (!m_bGroupsEnabled)
        return 0;
    int n = 0;
    while (n < kListMaxGroups && m_groups[n].item.szText[0] != '\0')
        ++n;
    return n;
}

int CButtonListBar::GetGroupCommandCount(int nGroup) const
{
    if (!m_bGroupsEnabled)
        return m_nCount;
    if (nGroup < 0)
        nGroup = m_nCurSelGroup;
    if (nGroup >= kListMaxGroups || m_groups[nGroup].item.szText[0] == '\0')
        return 0;
    return MemberCount(m_groups[nGroup]);
}

int CButtonListBar::GetGroupCommandCount(const char* pszGroup) const
{
    if (!m_bGroupsEnabled)
        return m_nCount;
    const int nGroup = FindGroup(pszGroup);
    return nGroup < 0 ? 0 : MemberCount(m_groups[nGroup]);
}

void CButtonListBar::SetItemData(int nIndex, unsigned long dwData)
{
    if (nIndex >= 0 && nIndex < m_nCount)
        m_pButtons[nIndex].dwData = dwData;
}

unsigned long CButtonListBar::GetItemData(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nCount ? m_pButtons[nIndex].dwData : 0;
}

void CButtonListBar::SetItemText(int nIndex, const char* pszText)
{
    if (nIndex >= 0 && nIndex < m_nCount)
        CopyCut(m_pButtons[nIndex].szText, pszText, kListMaxTextBytes);
}

const char* CButtonListBar::GetItemText(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nCount ? m_pButtons[nIndex].szText : "";
}

int CButtonListBar::SetCurSel(int nPosition, int bRedraw)
{
    const int nOld = m_nCurSel;
    if (nPosition == nOld)
        return nOld;
    m_nCurSel = nPosition;
    if (bRedraw)
        RedrawPair(nOld, nPosition);
    return nOld;
}

int CButtonListBar::SetMouseClickItem(int nIndex, int bRedraw)
{
    const int nOld = m_nMouseClickItem;
    if (nIndex == nOld)
        return nOld;
    m_nMouseClickItem = nIndex;
    // Both values are button indices, drawn as if they were positions.
    if (bRedraw)
        RedrawPair(nOld, nIndex);
    return nOld;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

BOOL CButtonListBar::NeedGroup(int bEnable)
{
    if (bEnable == m_bGroupsEnabled)
        return TRUE;
    if (bEnable)
    {
        if (m_nCount > 0)
            return FALSE;
        m_bGroupsEnabled = bEnable;
        return TRUE;
    }
    // Buttons keep their membership; it is ignored while groups are off.
    m_bGroupsEnabled = FALSE;
    if (m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
    return TRUE;
}

BOOL CButtonListBar::AddButton(const char* pszGroup, int nImage, const char* pszText,
                               const char* pszToolTip, unsigned long dwData)
{
    BUTTONLISTGROUP* pGroup = NULL;
    if (m_bGroupsEnabled)
    {
        if (pszGroup == NULL || pszGroup[0] == '\0')
            return FALSE;
        char szName[kListTextSize];
        CopyCut(szName, pszGroup, kListMaxNameBytes);
        for (int g = 0; g < kListMaxGroups && pGroup == NULL; ++g)
        {
            char* pszSlot = m_groups[g].item.szText;
            if (pszSlot[0] == '\0')
                strcpy(pszSlot, szName);   // the first free group takes the new name
            if (_mbsicmp(reinterpret_cast<unsigned char*>(pszSlot),
                         reinterpret_cast<unsigned char*>(szName)) == 0)
                pGroup = &m_groups[g];
        }
        if (pGroup == NULL || pGroup->nMembers[kListMaxGroupButtons - 1] != -1)
            return FALSE;
    }

    if (m_nCount == m_nCapacity)
    {
        BUTTONLISTITEM* pGrown = new BUTTONLISTITEM[m_nCapacity + kListGrowBy];
        if (m_nCount > 0)
            memcpy(pGrown, m_pButtons, m_nCount * sizeof(BUTTONLISTITEM));
        delete[] m_pButtons;
        m_pButtons = pGrown;
        m_nCapacity += kListGrowBy;
    }

    BUTTONLISTITEM& button = m_pButtons[m_nCount];
    memset(&button, 0, sizeof(button));
    button.nImage = nImage;
    CopyCut(button.szText, pszText, kListMaxTextBytes);
    CopyCut(button.szToolTip, pszToolTip, kListMaxTextBytes);
    button.dwData = dwData;

    if (pGroup != NULL)
        pGroup->nMembers[MemberCount(*pGroup)] = m_nCount;
    ++m_nCount;
    return TRUE;
}

BOOL CButtonListBar::SetGroupToolTip(int nGroup, const char* pszToolTip)
{
    if (!m_bGroupsEnabled || nGroup < 0 || nGroup >= kListMaxGroups ||
        m_groups[nGroup].item.szText[0] == '\0')
        return FALSE;
    CopyCut(m_groups[nGroup].item.szToolTip, pszToolTip, kListMaxNameBytes);
    return TRUE;
}

BOOL CButtonListBar::SetGroupToolTip(const char* pszGroup, const char* pszToolTip)
{
    if (!m_bGroupsEnabled)
        return FALSE;
    const int nGroup = FindGroup(pszGroup);
    return nGroup >= 0 && SetGroupToolTip(nGroup, pszToolTip);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CButtonListBar::OnButtonClick(int nIndex)
{
    ::SendMessage(m_hWndNotify, kListClickMessage, kListClickWParam, nIndex);
}

// The owner, colours, modes and scroll position stay.
void CButtonListBar::Clear()
{
    m_nCurSelGroup = 0;
    m_nHotGroupButton = -1;
    for (int g = 0; g < kListMaxGroups; ++g)
        EmptyGroup(m_groups[g]);
    delete[] m_pButtons;
    m_pButtons = NULL;
    m_nCapacity = 0;
    m_nCount = 0;
    m_nCurSel = -1;
    m_nMouseClickItem = -1;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

// The group named pszGroup (cut as names are stored, any letter case), or -1.
int CButtonListBar::FindGroup(const char* pszGroup) const
{
    if (pszGroup == NULL || pszGroup[0] == '\0')
        return -1;
    char szName[kListTextSize];
    CopyCut(szName, pszGroup, kListMaxNameBytes);
    for (int g = 0; g < kListMaxGroups; ++g)
    {
        if (_mbsicmp(reinterpret_cast<const unsigned char*>(m_groups[g].item.szText),
                     reinterpret_cast<unsigned char*>(szName)) == 0)
            return g;
    }
    return -1;
}

// The button a shown position stands for: a member of the selected group, or
// the index itself without groups; -1 when there is none.
int CButtonListBar::ButtonOfPosition(int nPosition) const
{
    if (nPosition < 0 || nPosition >= GetGroupCommandCount(-1))
        return -1;
    const int nIndex = m_bGroupsEnabled ? m_groups[m_nCurSelGroup].nMembers[nPosition] : nPosition;
    return nIndex < m_nCount ? nIndex : -1;
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

int CButtonListBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The glyph strips are the library's own resources.
    HINSTANCE hOldResource = AfxGetResourceHandle();
    AfxSetResourceHandle(g_hVeluInstance);
    if (Default() == -1)
    {
        AfxSetResourceHandle(hOldResource);
        return -1;
    }
    // Each list is made by the first bar only; a failed one is not tried again.
    VeluCreateButtonListImageList();
    m_pItemImageList = &g_imlButtonList;
    VeluCreateCtrlBarImageList();
    AfxSetResourceHandle(hOldResource);

    if (m_hWndNotify == NULL)
        m_hWndNotify = lpCreateStruct->hwndParent;
    return 0;
}
