// bench_statusbar.cpp: a full paint of the cool status bar against the plain MFC status bar, both in one frame.
#include <afxwin.h>
#include <afxext.h>

#include "bench.h"
#include "bars/VeluBars.h"

namespace
{

const CRect kFrameRect(20, 20, 20 + 640, 20 + 240);
const UINT kPlainBarId = AFX_IDW_STATUS_BAR + 1;

// One frame with both bars, the same indicators and texts, stacked at its bottom.
class StatusBarPaintCase : public bench::Case
{
public:
	bool SetUp() override
	{
		m_pFrame = new CFrameWnd;
		if (!m_pFrame->Create(NULL, _T("bench"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, kFrameRect))
		{
			m_pFrame = NULL;   // a frame that failed has deleted itself
			return false;
		}
		static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };
		if (!m_cool.Create(m_pFrame) || !m_cool.SetIndicators(indicators, 4) ||
			!m_plain.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, kPlainBarId) ||
			!m_plain.SetIndicators(indicators, 4))
			return false;
		m_cool.SetPaneText(0, "Ready");
		m_plain.SetPaneText(0, "Ready");
		m_pFrame->RecalcLayout();
		m_pFrame->UpdateWindow();
		return true;
	}

	void TearDown() override
	{
		if (m_pFrame != NULL)
			m_pFrame->DestroyWindow();   // the frame deletes itself; the bars go with it
		m_pFrame = NULL;
	}

	void RunSubject() override { Paint(m_cool); }
	void RunBaseline() override { Paint(m_plain); }
	const char* BaselineName() const override { return "plain CStatusBar, same panes"; }
	const char* Note() const override
	{
		return "640 pixels wide, a stretching text pane and the three lock-key panes, no icons (the plain bar has none); "
			"each paint invalidates the whole bar without erasing and paints at once";
	}

private:
	static void Paint(CStatusBar& bar)
	{
		::RedrawWindow(bar.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
	}

	CFrameWnd* m_pFrame = NULL;
	CCoolStatusBar m_cool;
	CStatusBar m_plain;
};

BENCH_CASE(StatusBarPaintCase, "bars/status bar full paint");

} // namespace
