// bench_support.h: what the paint cases share: a parent window, raw floors of the prescribed calls, instance counting.
#ifndef BENCH_BENCH_SUPPORT_H
#define BENCH_BENCH_SUPPORT_H

#include <afxwin.h>

#include <functional>

namespace bench
{

// The same invalidate-and-paint-now request for subject, baseline and floor.
inline void Repaint(HWND hWnd)
{
	::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The nine-grid painter's calls for one skin into one rectangle, raw: one
// memory DC, the select, a blit per corner row, a stretch per edge and the centre.
void NineGridFloor(HDC hDC, const RECT& rc, HBITMAP hSkin, const int* pInsets, int nCorner);

// A top-level MFC window the controls of a case live in, as an application's
// dialog holds them. WM_DRAWITEM for kFloorId is answered by the raw handler
// before MFC sees it, so that a floor button pays for no framework.
class ParentWnd : public CWnd
{
public:
	static const UINT kFloorId = 99;
	bool Open(int cx, int cy);
	void Close();
	std::function<void(DRAWITEMSTRUCT*)> rawDrawItem;

protected:
	LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Subclasses hWnd with a raw procedure that gives WM_PAINT to paint (which
// may call the original procedure through the given pointer) and everything
// else to the original procedure.
typedef std::function<void(HWND, WNDPROC)> RawPaint;
void SubclassRaw(HWND hWnd, RawPaint* pPaint);

// GDI objects one instance holds: makes nCount of them with make, which
// returns a destroyer for each, and compares the process's counts.
int GdiObjectsPerInstance(const std::function<std::function<void()>()>& make, int nCount = 10);

} // namespace bench

#endif // BENCH_BENCH_SUPPORT_H
