// Message-map machinery: entries, handler signatures and the ON_* macros.
#pragma once

class CCmdTarget;
class CWnd;
class CCmdUI;

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

// Reflected messages reach the child as message + WM_REFLECT_BASE.
#define WM_REFLECT_BASE 0xBC00
// The 16-bit colour message that ON_WM_CTLCOLOR maps; every WM_CTLCOLORxxx
// is delivered to it with the control type derived from the message.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Command codes packed into OnCmdMsg's nCode.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-2))

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message
    UINT nCode;      // control code or WM_NOTIFY code
    UINT nID;        // control id (or 0 for window messages)
    UINT nLastID;    // last control id of a range
    UINT_PTR nSig;   // handler signature, or a UINT* for registered messages
    AFX_PMSG pfn;    // the handler
};

// A class's map: its entries and the way to its base class's map.  Both are
// reached through functions so that maps of classes in different DLLs link
// without import fix-ups in static data.
struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* (PASCAL* pfnGetEntries)();
};

// Handler signatures: first letter(s) the result, then the arguments.
enum AfxSig
{
    AfxSig_end = 0,
    // window messages
    AfxSig_bD,        // BOOL (CDC*)
    AfxSig_bb,        // BOOL (BOOL)
    AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)
    AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,       // HBRUSH (CDC*, UINT)              reflected WM_CTLCOLOR
    AfxSig_iwWw,      // int (UINT, CWnd*, UINT)          WM_CHARTOITEM, WM_VKEYTOITEM
    AfxSig_iWww,      // int (CWnd*, UINT, UINT)          WM_MOUSEACTIVATE
    AfxSig_is,        // int (LPCREATESTRUCT)             WM_CREATE, WM_NCCREATE
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
    AfxSig_vv,        // void ()
    AfxSig_vw,        // void (UINT)
    AfxSig_vww,       // void (UINT, UINT)
    AfxSig_vvii,      // void (int, int)                   WM_MOVE
    AfxSig_vwii,      // void (UINT, int, int)             WM_SIZE
    AfxSig_vwww,      // void (UINT, UINT, UINT)           keys
    AfxSig_vwp,       // void (UINT, CPoint)               mouse
    AfxSig_bwsp,      // BOOL (UINT, short, CPoint)        WM_MOUSEWHEEL
    AfxSig_vW,        // void (CWnd*) from wParam
    AfxSig_vW2,       // void (CWnd*) from lParam          WM_CAPTURECHANGED
    AfxSig_vWp,       // void (CWnd*, CPoint)              WM_CONTEXTMENU
    AfxSig_wp,        // UINT (CPoint)                     WM_NCHITTEST
    AfxSig_wv,        // UINT ()                           WM_GETDLGCODE
    AfxSig_vwWb,      // void (UINT, CWnd*, BOOL)          WM_ACTIVATE
    AfxSig_vbh,       // void (BOOL, HTASK)                WM_ACTIVATEAPP
    AfxSig_vb,        // void (BOOL)
    AfxSig_vbw,       // void (BOOL, UINT)                 WM_SHOWWINDOW
    AfxSig_vbp,       // void (BOOL, NCCALCSIZE_PARAMS*)   WM_NCCALCSIZE
    AfxSig_vPOS,      // void (WINDOWPOS*)
    AfxSig_vMMI,      // void (MINMAXINFO*)
    AfxSig_vws,       // void (UINT, LPCTSTR)              WM_SETTINGCHANGE
    AfxSig_vOWNER,    // void (int, LPxxxSTRUCT)           owner draw
    AfxSig_iis,       // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vs,        // void (LPxxxSTRUCT)                reflected owner draw
    AfxSig_is2,       // int (LPCOMPAREITEMSTRUCT)         reflected compare
    AfxSig_vwwW,      // void (UINT, UINT, CScrollBar*)    scrolling
    AfxSig_vwwx,      // void (UINT, UINT)                 reflected scrolling
    AfxSig_vwl,       // void (UINT, LPARAM)               WM_PARENTNOTIFY
    AfxSig_vwW,       // void (UINT, CWnd*)                WM_ENTERIDLE
    AfxSig_vwL,       // void (UINT, LPARAM)               WM_SYSCOMMAND
    AfxSig_bHELPINFO, // BOOL (HELPINFO*)
    AfxSig_vSTYLE,    // void (int, LPSTYLESTRUCT)
    AfxSig_vDp,       // void (CDC*)                       WM_ICONERASEBKGND
    AfxSig_hv,        // HCURSOR ()                        WM_QUERYDRAGICON
    AfxSig_bv_msg,    // BOOL ()                           WM_QUERYENDSESSION...
    AfxSig_vMENU,     // void (CMenu*)                     WM_INITMENU
    AfxSig_vMENUwb,   // void (CMenu*, UINT, BOOL)         WM_INITMENUPOPUP
    AfxSig_vwwh,      // void (UINT, UINT, HMENU)          WM_MENUSELECT
    // commands and notifications
    AfxSig_bv,        // BOOL ()
    AfxSig_bw,        // BOOL (UINT)
    AfxSig_cmdui,     // void (CCmdUI*)
    AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,  // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl, // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl, // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSig_cmd_v = AfxSig_vv,
    AfxSig_cmd_w = AfxSig_vw
};

// ---------------------------------------------------------------- map declaration
#define DECLARE_MESSAGE_MAP() \
private: \
    static const AFX_MSGMAP_ENTRY* PASCAL _GetMessageEntries(); \
protected: \
    static const AFX_MSGMAP messageMap; \
    static const AFX_MSGMAP* PASCAL _GetBaseMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* PASCAL theClass::_GetBaseMessageMap() \
        { return &baseClass::messageMap; } \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
        { return &theClass::messageMap; } \
    const AFX_MSGMAP theClass::messageMap = \
        { &theClass::_GetBaseMessageMap, &theClass::_GetMessageEntries }; \
    const AFX_MSGMAP_ENTRY* PASCAL theClass::_GetMessageEntries() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        (void)sizeof(TheBaseClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } \
        }; \
        return _messageEntries; \
    }

// Handler pointers are converted with the exact signature first, so a handler
// of the wrong type fails to compile instead of being called wrongly.
#define _AFX_WNDFN(sig, fn) ((AFX_PMSG)(static_cast<sig>(&ThisClass::fn)))
#define _AFX_CMDFN(sig, fn) ((AFX_PMSG)(static_cast<sig>(&ThisClass::fn)))

#define _AFX_WM(msg, sig, type, fn) { msg, 0, 0, 0, sig, _AFX_WNDFN(type, fn) },

// ---------------------------------------------------------------- window messages
#define ON_WM_CREATE() _AFX_WM(WM_CREATE, AfxSig_is, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() _AFX_WM(WM_NCCREATE, AfxSig_is, BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() _AFX_WM(WM_DESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() _AFX_WM(WM_NCDESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnNcDestroy)
#define ON_WM_PAINT() _AFX_WM(WM_PAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT() _AFX_WM(WM_NCPAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnNcPaint)
#define ON_WM_ERASEBKGND() _AFX_WM(WM_ERASEBKGND, AfxSig_bD, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_ICONERASEBKGND() _AFX_WM(WM_ICONERASEBKGND, AfxSig_vDp, void (AFX_MSG_CALL CWnd::*)(CDC*), OnIconEraseBkgnd)
#define ON_WM_CLOSE() _AFX_WM(WM_CLOSE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnClose)
#define ON_WM_SIZE() _AFX_WM(WM_SIZE, AfxSig_vwii, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() _AFX_WM(WM_MOVE, AfxSig_vvii, void (AFX_MSG_CALL CWnd::*)(int, int), OnMove)
#define ON_WM_TIMER() _AFX_WM(WM_TIMER, AfxSig_vw, void (AFX_MSG_CALL CWnd::*)(UINT), OnTimer)
#define ON_WM_MOUSEMOVE() _AFX_WM(WM_MOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() _AFX_WM(WM_LBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() _AFX_WM(WM_LBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() _AFX_WM(WM_LBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() _AFX_WM(WM_RBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() _AFX_WM(WM_RBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() _AFX_WM(WM_RBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() _AFX_WM(WM_MBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() _AFX_WM(WM_MBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() _AFX_WM(WM_MBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEWHEEL() _AFX_WM(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEACTIVATE() _AFX_WM(WM_MOUSEACTIVATE, AfxSig_iWww, int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_NCLBUTTONDOWN() _AFX_WM(WM_NCLBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() _AFX_WM(WM_NCLBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() _AFX_WM(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() _AFX_WM(WM_NCRBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() _AFX_WM(WM_NCRBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCMOUSEMOVE() _AFX_WM(WM_NCMOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCHITTEST() _AFX_WM(WM_NCHITTEST, AfxSig_wp, UINT (AFX_MSG_CALL CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_NCCALCSIZE() _AFX_WM(WM_NCCALCSIZE, AfxSig_vbp, void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCACTIVATE() _AFX_WM(WM_NCACTIVATE, AfxSig_bb, BOOL (AFX_MSG_CALL CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_KEYDOWN() _AFX_WM(WM_KEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() _AFX_WM(WM_KEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() _AFX_WM(WM_CHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_DEADCHAR() _AFX_WM(WM_DEADCHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnDeadChar)
#define ON_WM_SYSKEYDOWN() _AFX_WM(WM_SYSKEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() _AFX_WM(WM_SYSKEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() _AFX_WM(WM_SYSCHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SYSCOMMAND() _AFX_WM(WM_SYSCOMMAND, AfxSig_vwL, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_SETFOCUS() _AFX_WM(WM_SETFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() _AFX_WM(WM_KILLFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_SETCURSOR() _AFX_WM(WM_SETCURSOR, AfxSig_bWww, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_GETDLGCODE() _AFX_WM(WM_GETDLGCODE, AfxSig_wv, UINT (AFX_MSG_CALL CWnd::*)(), OnGetDlgCode)
#define ON_WM_CTLCOLOR() _AFX_WM(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() _AFX_WM(WM_DRAWITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() _AFX_WM(WM_MEASUREITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DELETEITEM() _AFX_WM(WM_DELETEITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_COMPAREITEM() _AFX_WM(WM_COMPAREITEM, AfxSig_iis, int (AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_CHARTOITEM() _AFX_WM(WM_CHARTOITEM, AfxSig_iwWw, int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_VKEYTOITEM() _AFX_WM(WM_VKEYTOITEM, AfxSig_iwWw, int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT), OnVKeyToItem)
#define ON_WM_HSCROLL() _AFX_WM(WM_HSCROLL, AfxSig_vwwW, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() _AFX_WM(WM_VSCROLL, AfxSig_vwwW, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_PARENTNOTIFY() _AFX_WM(WM_PARENTNOTIFY, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_ACTIVATE() _AFX_WM(WM_ACTIVATE, AfxSig_vwWb, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() _AFX_WM(WM_ACTIVATEAPP, AfxSig_vbh, void (AFX_MSG_CALL CWnd::*)(BOOL, HTASK), OnActivateApp)
#define ON_WM_ENABLE() _AFX_WM(WM_ENABLE, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), OnEnable)
#define ON_WM_SHOWWINDOW() _AFX_WM(WM_SHOWWINDOW, AfxSig_vbw, void (AFX_MSG_CALL CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_CAPTURECHANGED() _AFX_WM(WM_CAPTURECHANGED, AfxSig_vW2, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE() _AFX_WM(WM_CANCELMODE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnCancelMode)
#define ON_WM_CONTEXTMENU() _AFX_WM(WM_CONTEXTMENU, AfxSig_vWp, void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_WINDOWPOSCHANGING() _AFX_WM(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() _AFX_WM(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO() _AFX_WM(WM_GETMINMAXINFO, AfxSig_vMMI, void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SETTINGCHANGE() _AFX_WM(WM_SETTINGCHANGE, AfxSig_vws, void (AFX_MSG_CALL CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_SYSCOLORCHANGE() _AFX_WM(WM_SYSCOLORCHANGE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(), OnSysColorChange)
#define ON_WM_ENTERIDLE() _AFX_WM(WM_ENTERIDLE, AfxSig_vwW, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_HELPINFO() _AFX_WM(WM_HELP, AfxSig_bHELPINFO, BOOL (AFX_MSG_CALL CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_STYLECHANGED() _AFX_WM(WM_STYLECHANGED, AfxSig_vSTYLE, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING() _AFX_WM(WM_STYLECHANGING, AfxSig_vSTYLE, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_QUERYDRAGICON() _AFX_WM(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (AFX_MSG_CALL CWnd::*)(), OnQueryDragIcon)
#define ON_WM_QUERYENDSESSION() _AFX_WM(WM_QUERYENDSESSION, AfxSig_bv_msg, BOOL (AFX_MSG_CALL CWnd::*)(), OnQueryEndSession)
#define ON_WM_INITMENU() _AFX_WM(WM_INITMENU, AfxSig_vMENU, void (AFX_MSG_CALL CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_MENUSELECT() _AFX_WM(WM_MENUSELECT, AfxSig_vwwh, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_INITMENUPOPUP() _AFX_WM(WM_INITMENUPOPUP, AfxSig_vMENUwb, void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)

// ---------------------------------------------------------------- reflected to the child
#define ON_WM_CTLCOLOR_REFLECT() _AFX_WM(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM_REFLECT() _AFX_WM(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() _AFX_WM(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)
#define ON_WM_DELETEITEM_REFLECT() _AFX_WM(WM_DELETEITEM + WM_REFLECT_BASE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT), DeleteItem)
#define ON_WM_COMPAREITEM_REFLECT() _AFX_WM(WM_COMPAREITEM + WM_REFLECT_BASE, AfxSig_is2, int (AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT), CompareItem)
#define ON_WM_HSCROLL_REFLECT() _AFX_WM(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vwwx, void (AFX_MSG_CALL CWnd::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() _AFX_WM(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vwwx, void (AFX_MSG_CALL CWnd::*)(UINT, UINT), VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT() _AFX_WM(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), ParentNotify)

// ---------------------------------------------------------------- user messages
#define ON_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_lwl, _AFX_WNDFN(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable), \
      _AFX_WNDFN(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },

// ---------------------------------------------------------------- commands
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_vv, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(), memberFxn) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_vw, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_bw, \
      _AFX_CMDFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_bw, \
      _AFX_CMDFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(id), AfxSig_cmdui, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn) },
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(idLast), AfxSig_cmdui, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn) },

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_vv, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(), memberFxn) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_vw, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSig_vv, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(), memberFxn) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSig_bv, \
      _AFX_CMDFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(), memberFxn) },

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_vNMHDRpl, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_vwNMHDRpl, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_bwNMHDRpl, \
      _AFX_CMDFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn) },
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_bwNMHDRpl, \
      _AFX_CMDFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn) },
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_vNMHDRpl, \
      _AFX_CMDFN(void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_bNMHDRpl, \
      _AFX_CMDFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },

// ---------------------------------------------------------------- control notifications
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
