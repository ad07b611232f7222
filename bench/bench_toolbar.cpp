// bench_toolbar.cpp: one full paint (both areas) of a CCoolToolBar against one of a plain CToolBar with
// the same buttons and strip, both docked in the same frame.
#include <afxwin.h>
#include <afxext.h>

#include "bench.h"
#include "bars/VeluBars.h"

namespace
{

const CSize kImage(16, 15);
const CSize kButton(23, 22);
const int kImages = 10;
const UINT kIds[] = { 9500, 9501, 9502, 0, 9503, 9504, 9505, 0, 9506, 9507, 9508, 9509 };
const int kIdCount = sizeof(kIds) / sizeof(kIds[0]);

// A strip of coloured squares on magenta, made for each bar (a bar owns its strip).
HBITMAP MakeStrip()
{
	CClientDC screen(NULL);
	CDC dc;
	dc.CreateCompatibleDC(&screen);
	HBITMAP hStrip = ::CreateCompatibleBitmap(screen.m_hDC, kImages * kImage.cx, kImage.cy);
	HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hStrip);
	dc.FillSolidRect(0, 0, kImages * kImage.cx, kImage.cy, RGB(255, 0, 255));
	for (int i = 0; i < kImages; i++)
		dc.FillSolidRect(i * kImage.cx + 2, 2, kImage.cx - 4, kImage.cy - 4, RGB(20 * i, 200 - 15 * i, 90));
	::SelectObject(dc.m_hDC, hOld);
	return hStrip;
}

bool MakeBar(CToolBar& bar, CFrameWnd* pFrame, UINT nID)
{
	if (!bar.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, CRect(0, 0, 0, 0), nID) ||
		!bar.SetButtons(kIds, kIdCount))
		return false;
	bar.SetSizes(kButton, kImage);
	HBITMAP hStrip = MakeStrip();
	if (!bar.SetBitmap(hStrip))
	{
		::DeleteObject(hStrip);
		return false;
	}
	bar.SetButtonStyle(5, bar.GetButtonStyle(5) | TBBS_CHECKED | TBBS_CHECKBOX);
	bar.SetButtonStyle(6, bar.GetButtonStyle(6) | TBBS_DISABLED);
	bar.EnableDocking(CBRS_ALIGN_ANY);
	return true;
}

// Both bars in one frame, one row each, so that they paint on the same
// surface under the same conditions.
class ToolBarPaintCase : public bench::Case
{
public:
	ToolBarPaintCase() : m_pFrame(NULL) {}

	bool SetUp() override
	{
		m_pFrame = new CFrameWnd;
		if (!m_pFrame->Create(NULL, _T("bench"), WS_OVERLAPPEDWINDOW, CRect(20, 20, 520, 320)))
		{
			m_pFrame = NULL;   // a frame that failed has deleted itself
			return false;
		}
		if (!MakeBar(m_cool, m_pFrame, AFX_IDW_TOOLBAR) || !MakeBar(m_plain, m_pFrame, AFX_IDW_TOOLBAR + 1))
			return false;
		m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
		m_pFrame->DockControlBar(&m_cool);
		m_pFrame->DockControlBar(&m_plain);
		m_pFrame->ShowWindow(SW_SHOW);
		m_pFrame->RecalcLayout();
		m_pFrame->UpdateWindow();
		// The first paint builds the cool bar's image sets: not part of a paint.
		Paint(m_cool);
		return true;
	}

	void TearDown() override
	{
		if (m_pFrame != NULL)
			m_pFrame->DestroyWindow();   // deletes itself
		m_pFrame = NULL;
	}

	void RunSubject() override { Paint(m_cool); }
	void RunBaseline() override { Paint(m_plain); }
	const char* BaselineName() const override { return "plain CToolBar paint"; }
	const char* Note() const override
	{
		return "12 items (10 buttons, one checked, one disabled, 2 separators), 16 x 15 images, gripper, "
			"client and non-client invalidated and painted at once";
	}

private:
	static void Paint(CWnd& bar)
	{
		::RedrawWindow(bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
	}

	CFrameWnd* m_pFrame;
	CCoolToolBar m_cool;
	CToolBar m_plain;
};

BENCH_CASE(ToolBarPaintCase, "bars/tool bar paint 12 items");

} // namespace
