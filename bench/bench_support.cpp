// bench_support.cpp: the parent window, raw floors and instance counting the paint cases share.
#include "bench_support.h"

#include "support/harness.h"

#include <vector>

namespace bench
{

void NineGridFloor(HDC hDC, const RECT& rc, HBITMAP hSkin, const int* pInsets, int N)
{
	BITMAP bm;
	::GetObjectA(hSkin, sizeof(bm), &bm);
	const int W = bm.bmWidth, H = bm.bmHeight;
	HDC hSkinDC = ::CreateCompatibleDC(hDC);
	HGDIOBJ hOld = ::SelectObject(hSkinDC, hSkin);
	const int DW = rc.right - rc.left, DH = rc.bottom - rc.top;
	const int CW = DW < N ? DW : N, CH = DH < N ? DH : N;
	for (int i = 0; i < N; i++)
	{
		const int m = pInsets[i];
		::BitBlt(hDC, rc.left + m, rc.top + i, CW - m, 1, hSkinDC, m, i, SRCCOPY);
		::BitBlt(hDC, rc.left + m, rc.bottom - i - 1, CW - m, 1, hSkinDC, m, H - i - 1, SRCCOPY);
		::BitBlt(hDC, rc.right - CW, rc.top + i, CW - m, 1, hSkinDC, W - CW, i, SRCCOPY);
		::BitBlt(hDC, rc.right - CW, rc.bottom - i - 1, CW - m, 1, hSkinDC, W - CW, H - i - 1, SRCCOPY);
	}
	const int MW = DW - 2 * CW, MH = DH - 2 * CH;
	if (MW > 0)
	{
		::StretchBlt(hDC, rc.left + CW, rc.top, MW, CH, hSkinDC, CW, 0, W - 2 * N, CH, SRCCOPY);
		::StretchBlt(hDC, rc.left + CW, rc.bottom - CH, MW, CH, hSkinDC, CW, H - CH, W - 2 * N, CH, SRCCOPY);
	}
	if (MH > 0)
	{
		::StretchBlt(hDC, rc.left, rc.top + CH, CW, MH, hSkinDC, 0, CH, CW, H - 2 * N, SRCCOPY);
		::StretchBlt(hDC, rc.right - CW, rc.top + CH, CW, MH, hSkinDC, W - CW, CH, CW, H - 2 * N, SRCCOPY);
	}
	if (MW > 0 && MH > 0)
		::StretchBlt(hDC, rc.left + CW, rc.top + CH, MW, MH, hSkinDC, CW, CH, W - 2 * N, H - 2 * N, SRCCOPY);
	::SelectObject(hSkinDC, hOld);
	::DeleteDC(hSkinDC);
}

bool ParentWnd::Open(int cx, int cy)
{
	LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
	return CreateEx(0, cls, _T("bench"), WS_POPUP | WS_VISIBLE, 0, 0, cx, cy, NULL, NULL) != FALSE;
}

void ParentWnd::Close()
{
	if (m_hWnd != NULL)
		DestroyWindow();
}

LRESULT ParentWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	if (message == WM_DRAWITEM && wParam == kFloorId && rawDrawItem)
	{
		rawDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
		return TRUE;
	}
	return CWnd::WindowProc(message, wParam, lParam);
}

namespace
{

struct RawSubclass
{
	WNDPROC pfnOriginal;
	RawPaint* pPaint;
};

LRESULT CALLBACK RawProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	RawSubclass* p = reinterpret_cast<RawSubclass*>(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
	if (message == WM_PAINT)
	{
		(*p->pPaint)(hWnd, p->pfnOriginal);
		return 0;
	}
	const WNDPROC pfn = p->pfnOriginal;
	if (message == WM_NCDESTROY)
	{
		::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)pfn);
		delete p;
	}
	return ::CallWindowProc(pfn, hWnd, message, wParam, lParam);
}

} // namespace

void SubclassRaw(HWND hWnd, RawPaint* pPaint)
{
	RawSubclass* p = new RawSubclass;
	p->pPaint = pPaint;
	p->pfnOriginal = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
	::SetWindowLongPtr(hWnd, GWLP_USERDATA, (LONG_PTR)p);
	::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)RawProc);
}

// The platform grows its own caches (a DC per painted top-level window, ...)
// the first time so many instances live at once: a first round warms them,
// the second is counted, after every window due a paint has had it.
int GdiObjectsPerInstance(const std::function<std::function<void()>()>& make, int nCount)
{
	int nHeld = 0;
	for (int nRound = 0; nRound < 2; nRound++)
	{
		vt::PumpPending();
		const int nBefore = vt::GdiObjectCount();
		std::vector<std::function<void()>> destroyers;
		for (int i = 0; i < nCount; i++)
			destroyers.push_back(make());
		vt::PumpPending();
		nHeld = (vt::GdiObjectCount() - nBefore) / nCount;
		for (auto& destroy : destroyers)
			destroy();
	}
	return nHeld;
}

} // namespace bench
