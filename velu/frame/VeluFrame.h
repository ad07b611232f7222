// VeluFrame.h - library frame: shared drawing resources, XZP and memory-bitmap loaders, CWndForXCtrl.
#ifndef VELU_FRAME_VELUFRAME_H
#define VELU_FRAME_VELUFRAME_H

#include <afxwin.h>
#include <afxcmn.h>

/////////////////////////////////////////////////////////////////////////////
// Recurring colours (0x00BBGGRR)

const COLORREF kBarBackground      = 0x00F4E8DF;   // bars, tool bar background brush
const COLORREF kBarEdge            = 0x00D8C0AF;   // bar and edit edges
const COLORREF kReadOnlyBackground = 0x00FAFAF4;   // read-only edit and combo background
const COLORREF kGlyphMask          = 0x0000FF00;   // transparent colour of both glyph strips

/////////////////////////////////////////////////////////////////////////////
// Resource names carried by the library

// XZP skins (type "BINARY", a raw DEFLATE stream of a 24-bpp BMP file)
#define VELU_XZP_BTNDEF     "IDB_BTNDEF_XZP"
#define VELU_XZP_BTNNORM    "IDB_BTNNORM_XZP"
#define VELU_XZP_BTNDIS     "IDB_BTNDIS_XZP"
#define VELU_XZP_BTNHOT     "IDB_BTNHOT_XZP"
#define VELU_XZP_BTNDOWN    "IDB_BTNDOWN_XZP"
#define VELU_XZP_CHECK      "IDB_COOLTBCHECK_XZP"
#define VELU_XZP_DIALOG     "IDB_COOLDLG_XZP"
#define VELU_XZP_PROGRESS   "IDR_COOLPGS_XZP"
#define VELU_XZP_BALLOON    "IDR_XBMPTIP_XZP"
#define VELU_XZP_TOOLTIP    "IDR_XTOOLTIP_XZP"
#define VELU_XZP_FLTBARBTN  "IDB_FLTBARBTN_XZP"

// The type every XZP lookup passes; resource type names match without case.
#define VELU_XZP_TYPE       "Binary"

// Plain bitmaps and cursors
#define VELU_BMP_CTRLBAR    "IDB_VELUCTRLBAR"    // control-bar glyph strip, 13-pixel images
#define VELU_BMP_BTNLSITM   "IDB_VELUBTNLSITM"   // button-list glyph strip, 15-pixel images
#define VELU_BMP_FOCUS      "IDB_VELUFOCUSRC"    // 8x8 checkerboard of the focus brush
#define VELU_CUR_HAND       "IDC_VELUCURHAND"
#define VELU_CUR_HSPLIT     "IDC_VELUCURHSPLT"   // up/down arrows: a horizontal split bar
#define VELU_CUR_VSPLIT     "IDC_VELUCURVSPLT"   // left/right arrows: a vertical split bar

/////////////////////////////////////////////////////////////////////////////
// Glyph strips

const int kCtrlBarGlyphSize    = 13;
const int kButtonListGlyphSize = 15;

// Image indices of the two strips, in strip order; applications pick
// button-list images by index.
enum VeluCtrlBarGlyph       // "IDB_VELUCTRLBAR"
{
    kGlyphClose, kGlyphPin, kGlyphChevron,
    kGlyphArrowUp, kGlyphArrowLeft, kGlyphArrowDown, kGlyphArrowRight,    // 3 to 6
    kGlyphCheck,
    kCtrlBarGlyphCount
};

enum VeluButtonListGlyph    // "IDB_VELUBTNLSITM"
{
    kItemFolder, kItemDocument, kItemMail, kItemCalendar,
    kItemContacts, kItemNote, kItemChart, kItemGear,
    kButtonListGlyphCount
};

/////////////////////////////////////////////////////////////////////////////
// Shared drawing resources, created by the entry function (or lazily) and
// read by the controls. No control deletes one. Handle holders are C names so
// that a test can reach them with GetProcAddress in a second copy of the DLL.

extern "C" {
extern AFX_EXT_DATA HINSTANCE g_hVeluInstance;        // the library's own module handle

extern AFX_EXT_DATA HCURSOR   g_hCursorHand;          // "IDC_VELUCURHAND", shared, never destroyed
extern AFX_EXT_DATA HBRUSH    g_hBrushFocus;          // pattern brush of "IDB_VELUFOCUSRC"

extern AFX_EXT_DATA HBITMAP   g_hSkinBtnDefault;      // "IDB_BTNDEF_XZP"   42 x 20
extern AFX_EXT_DATA HBITMAP   g_hSkinBtnNormal;       // "IDB_BTNNORM_XZP"  42 x 20
extern AFX_EXT_DATA HBITMAP   g_hSkinBtnDisabled;     // "IDB_BTNDIS_XZP"   40 x 20
extern AFX_EXT_DATA HBITMAP   g_hSkinBtnHot;          // "IDB_BTNHOT_XZP"   42 x 20
extern AFX_EXT_DATA HBITMAP   g_hSkinBtnDown;         // "IDB_BTNDOWN_XZP"  42 x 20
extern AFX_EXT_DATA HBITMAP   g_hSkinCheck;           // "IDB_COOLTBCHECK_XZP" 40 x 20

// Created on first use through VeluLoadSharedSkin; null until then.
extern AFX_EXT_DATA HBITMAP   g_hSkinBalloon;         // "IDR_XBMPTIP_XZP"  48 x 36
extern AFX_EXT_DATA HBITMAP   g_hSkinToolTip;         // "IDR_XTOOLTIP_XZP" 48 x 36
extern AFX_EXT_DATA HBITMAP   g_hSkinDialog;          // "IDB_COOLDLG_XZP"  125 x 90
extern AFX_EXT_DATA HBITMAP   g_hSkinProgress;        // "IDR_COOLPGS_XZP"  50 x 20

// Inflates skin pszName of the library into *phHolder if the holder is null;
// returns the holder (null while the resource cannot be had; the next call tries again).
AFX_EXT_API HBITMAP VeluLoadSharedSkin(HBITMAP* phHolder, LPCSTR pszName);
}

// Static objects of the library, constructed before the entry function runs
// and destroyed after its detach work.
extern AFX_EXT_DATA CBrush     g_brushReadOnly;       // solid kReadOnlyBackground
extern AFX_EXT_DATA CFont      g_fontShared9;         // 9-point "MS San Serif"
extern AFX_EXT_DATA CFont      g_fontShared10;        // 10-point "MS San Serif"
extern AFX_EXT_DATA CImageList g_imlButtonList;       // "IDB_VELUBTNLSITM", empty until first use
extern AFX_EXT_DATA CImageList g_imlCtrlBar;          // "IDB_VELUCTRLBAR", empty until first use
extern AFX_EXT_DATA CBrush     g_brushToolBar;        // solid kBarBackground

// Fill the glyph image lists from their strips the first time one is asked
// for; a failed creation is not tried again. They use CImageList::Create with
// the strip's name, so the caller decides which resource handle is current.
// Return whether the list holds images.
extern "C" {
AFX_EXT_API BOOL VeluCreateCtrlBarImageList();
AFX_EXT_API BOOL VeluCreateButtonListImageList();
}

/////////////////////////////////////////////////////////////////////////////
// XZP resources: find a "BINARY" resource, inflate its raw DEFLATE stream into
// a block of the library's heap. The caller frees the block with FreeBinaryResource.

extern "C" {
AFX_EXT_API LPBYTE LoadBinaryResourceName(HMODULE hModule, LPCSTR pszName, DWORD* pdwSize);
AFX_EXT_API LPBYTE LoadBinaryResource(HMODULE hModule, UINT nID, DWORD* pdwSize);
AFX_EXT_API void   FreeBinaryResource(LPVOID pBlock);

// Turns a BMP file image in memory into a screen-compatible bitmap; optionally
// hands back a palette made of its colour table and its size (height keeps its sign).
AFX_EXT_API HBITMAP VELULoadMemBmp(LPVOID pImage, HPALETTE* phPalette, SIZE* pSize);
}

/////////////////////////////////////////////////////////////////////////////
// CWndForXCtrl - base window of the controls that draw everything themselves.
// An "edit" window whose own input handling is switched off: derived classes
// decide what keys and clicks do; painting goes OnPrepareDC then OnDraw.

class AFX_EXT_CLASS CWndForXCtrl : public CWnd
{
    DECLARE_DYNAMIC(CWndForXCtrl)

// Constructors
public:
    CWndForXCtrl();

    BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID);
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Overridables
protected:
    virtual void OnDraw(CDC* pDC);
    virtual void OnPrepareDC(CDC* pDC);

// Implementation
public:
    virtual ~CWndForXCtrl();

protected:
    //{{AFX_MSG(CWndForXCtrl)
    afx_msg void OnPaint();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    //}}AFX_MSG
    DECLARE_MESSAGE_MAP()
};

#endif // VELU_FRAME_VELUFRAME_H
