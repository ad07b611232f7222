// SplitTrack.h - what the vertical and horizontal split bars share: layout, drag limits, the drag loop, cursors.
#ifndef VELU_PANES_SPLITTRACK_H
#define VELU_PANES_SPLITTRACK_H

#include <afxwin.h>

// The axis a bar moves along: x for a vertical bar, y for a horizontal one.
enum VeluSplitAxis
{
    kSplitAxisX,
    kSplitAxisY
};

// A bar, its parent and the panes before (left or above) and after it.
struct VeluSplitBar
{
    CWnd* pBar;
    CWnd* pParent;
    const CDWordArray* pBefore;
    const CDWordArray* pAfter;
    int nMinBefore;
    int nMinAfter;
    VeluSplitAxis axis;
};

// Binds a bar object to the parent's control of that id (subclassed, marked
// with the bound style). A NULL parent, a bar already bound or created, or an
// id that names no control binds nothing and gives 0.
int VeluSplitBind(CWnd* pBar, CWnd* pParentWnd, unsigned long nID);

// Moves the panes so that each ends one pixel short of the bar, then
// invalidates the whole parent.
void VeluSplitRecalcLayout(const VeluSplitBar& bar);

// The screen rectangle the cursor is held in while the bar, pressed at point
// (bar client coordinates), is dragged; FALSE when the minimums leave no room.
BOOL VeluSplitClipRect(const VeluSplitBar& bar, RECT* pClip, CPoint point);

// Runs the drag: confines and captures the cursor, shows the halftone block
// in the parent and follows the mouse in a message loop of its own until the
// button is released, the right button pressed, Escape pressed or the capture
// lost. Returns the distance moved and the block's last place in the parent.
int VeluSplitTrack(const VeluSplitBar& bar, const RECT& clip, CPoint point, RECT* pLast);

// A press on the bar at point: drags it unless another window holds the
// capture or the minimums leave no room, and ends a drag that moved it.
void VeluSplitPress(const VeluSplitBar& bar, CPoint point);

// Ends a drag that moved the bar: moves it to rcNew, lays the panes out and
// tells the parent. Returns FALSE when bar or parent went away during the drag.
BOOL VeluSplitFinish(const VeluSplitBar& bar, const RECT& rcNew, int nDistance);

// The split cursor of the axis; both are loaded together the first time either is asked for.
HCURSOR VeluSplitCursor(VeluSplitAxis axis);

#endif // VELU_PANES_SPLITTRACK_H
