// bench_listbar.cpp: a full paint of a button list bar, and a hover step across it, each against one blit of the bar's area.
#include <afxwin.h>

#include <stdio.h>

#include "bench.h"
#include "listbar/VeluListBar.h"

namespace
{

const CRect kBarRect(0, 0, 120, 400);
const int kGroups = 3;
const int kPerGroup = 10;

// A vertical bar of 3 groups of 10 buttons in a top-level window, and a
// memory bitmap of its size for the baseline blit onto the bar.
class ListBarCase : public bench::Case
{
public:
	bool SetUp() override
	{
		LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
		if (!m_parent.CreateEx(0, cls, _T("bench"), WS_POPUP | WS_VISIBLE, 20, 20, kBarRect.Width(),
				kBarRect.Height(), NULL, NULL))
			return false;
		m_bar.SetVirticalOrHorizontal(kListVertical, FALSE);
		if (!m_bar.Create(WS_CHILD | WS_VISIBLE, kBarRect, &m_parent, 1))
			return false;
		static const char* const kNames[kGroups] = { "Mail", "Notes", "Tasks" };
		for (int i = 0; i < kGroups * kPerGroup; i++)
		{
			char szCaption[32];
			sprintf(szCaption, "Button %d", i);
			m_bar.AddButton(kNames[i % kGroups], i % kButtonListGlyphCount, szCaption, NULL, i);
		}
		::RedrawWindow(m_bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);

		CClientDC dc(&m_bar);
		m_memDC.CreateCompatibleDC(&dc);
		m_bitmap.CreateCompatibleBitmap(&dc, kBarRect.Width(), kBarRect.Height());
		m_pOldBitmap = m_memDC.SelectObject(&m_bitmap);
		m_memDC.BitBlt(0, 0, kBarRect.Width(), kBarRect.Height(), &dc, 0, 0, SRCCOPY);
		return true;
	}

	void TearDown() override
	{
		if (m_pOldBitmap != NULL)
			m_memDC.SelectObject(m_pOldBitmap);
		if (m_bar.m_hWnd != NULL)
			m_bar.DestroyWindow();
		if (m_parent.m_hWnd != NULL)
			m_parent.DestroyWindow();
	}

	void RunBaseline() override
	{
		CClientDC dc(&m_bar);
		dc.BitBlt(0, 0, kBarRect.Width(), kBarRect.Height(), &m_memDC, 0, 0, SRCCOPY);
	}
	const char* BaselineName() const override { return "one blit of the bar's area"; }

protected:
	CWnd m_parent;
	CButtonListBar m_bar;
	CDC m_memDC;
	CBitmap m_bitmap;
	CBitmap* m_pOldBitmap = NULL;
};

class ListBarPaintCase : public ListBarCase
{
public:
	void RunSubject() override { ::RedrawWindow(m_bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }
	const char* Note() const override
	{
		return "vertical 120 x 400, 3 groups of 10, image and text; each shown button and arrow makes an icon "
			"(ImageList_GetIcon), which dominates";
	}
};

// The cursor rests inside the bar; each step is the move message that takes
// the hot frame from one button to the next, as the mouse crossing them sends.
class ListBarHoverCase : public ListBarCase
{
public:
	bool SetUp() override
	{
		if (!ListBarCase::SetUp())
			return false;
		for (int p = 0; p < 2; p++)
		{
			RECT rc;
			m_bar.GetItemRect(p, &rc);
			m_points[p] = CRect(rc).CenterPoint();
		}
		CPoint ptScreen = m_points[0];
		m_bar.ClientToScreen(&ptScreen);
		::SetCursorPos(ptScreen.x, ptScreen.y);
		return true;
	}
	void TearDown() override
	{
		::ReleaseCapture();
		ListBarCase::TearDown();
	}
	void RunSubject() override
	{
		m_nStep ^= 1;
		m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(m_points[m_nStep].x, m_points[m_nStep].y));
	}
	const char* Note() const override { return "one move from a button to its neighbour: two buttons and the arrows redrawn"; }

private:
	CPoint m_points[2];
	int m_nStep = 0;
};

BENCH_CASE(ListBarPaintCase, "listbar/full paint 3x10 buttons");
BENCH_CASE(ListBarHoverCase, "listbar/hover move");

} // namespace
