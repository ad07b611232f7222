// bench_display.cpp: one full paint of the flat combo box, the label and the progress bar against the standard control each restyles.
#include <afxwin.h>
#include <afxcmn.h>

#include "bench.h"
#include "edits/VeluEdits.h"

namespace
{

const CRect kControlRect(10, 10, 210, 34);

// A parent holding the library's control and the standard one side by side,
// the same size and font, each invalidated and painted at once per run.
class PaintPairCase : public bench::Case
{
public:
	bool SetUp() override
	{
		LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
		if (!m_parent.CreateEx(0, cls, _T("bench"), WS_POPUP | WS_VISIBLE, 0, 0, 440, 60, NULL, NULL))
			return false;
		CRect rcPlain(kControlRect);
		rcPlain.OffsetRect(kControlRect.Width() + 10, 0);
		if (!CreatePair(kControlRect, rcPlain))
			return false;
		HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
		Subject().SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
		Baseline().SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
		// The first paint makes what is made once (lazy skins, the glyph list).
		RunSubject();
		RunBaseline();
		return true;
	}

	void TearDown() override
	{
		if (Subject().m_hWnd != NULL)
			Subject().DestroyWindow();
		if (Baseline().m_hWnd != NULL)
			Baseline().DestroyWindow();
		if (m_parent.m_hWnd != NULL)
			m_parent.DestroyWindow();
	}

	void RunSubject() override { Paint(Subject()); }
	void RunBaseline() override { Paint(Baseline()); }

protected:
	virtual bool CreatePair(const CRect& rcSubject, const CRect& rcBaseline) = 0;
	virtual CWnd& Subject() = 0;
	virtual CWnd& Baseline() = 0;

	CWnd m_parent;

private:
	static void Paint(CWnd& wnd)
	{
		::RedrawWindow(wnd.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
	}
};

class ComboPaintCase : public PaintPairCase
{
public:
	const char* BaselineName() const override { return "standard COMBOBOX paint"; }
	const char* Note() const override { return "200-pixel drop-down list showing its selection, mouse away"; }

protected:
	bool CreatePair(const CRect& rcSubject, const CRect& rcBaseline) override
	{
		const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;
		CRect rcDrop(rcSubject), rcPlainDrop(rcBaseline);
		rcDrop.bottom += 100;
		rcPlainDrop.bottom += 100;
		if (!m_cool.Create(style, rcDrop, &m_parent, 1) || !m_plain.Create(style, rcPlainDrop, &m_parent, 2))
			return false;
		m_cool.AddString(_T("Green"));
		m_cool.SetCurSel(0);
		m_plain.AddString(_T("Green"));
		m_plain.SetCurSel(0);
		return true;
	}
	CWnd& Subject() override { return m_cool; }
	CWnd& Baseline() override { return m_plain; }

private:
	CCoolComboBox m_cool;
	CComboBox m_plain;
};

class LabelPaintCase : public PaintPairCase
{
public:
	const char* BaselineName() const override { return "standard STATIC paint"; }
	const char* Note() const override { return "200 x 24 one-line text; the label with its own background and text colour"; }

protected:
	bool CreatePair(const CRect& rcSubject, const CRect& rcBaseline) override
	{
		const DWORD style = WS_CHILD | WS_VISIBLE;
		if (!m_cool.Create(_T("Customer name"), style, rcSubject, &m_parent, 1) ||
			!m_plain.Create(_T("Customer name"), style | SS_CENTERIMAGE, rcBaseline, &m_parent, 2))
			return false;
		m_cool.SetBackColor(RGB(255, 246, 200));
		m_cool.SetTextColor(RGB(0, 70, 170));
		return true;
	}
	CWnd& Subject() override { return m_cool; }
	CWnd& Baseline() override { return m_plain; }

private:
	CCoolLabel m_cool;
	CStatic m_plain;
};

class ProgressPaintCase : public PaintPairCase
{
public:
	const char* BaselineName() const override { return "common-controls progress bar paint"; }
	const char* Note() const override { return "200 x 24 bar at 42%; the skinned bar with its caption"; }

protected:
	bool CreatePair(const CRect& rcSubject, const CRect& rcBaseline) override
	{
		const DWORD style = WS_CHILD | WS_VISIBLE;
		if (!m_cool.Create(style, rcSubject, &m_parent, 1) || !m_plain.Create(style, rcBaseline, &m_parent, 2))
			return false;
		m_cool.SetPos(100, 42);
		m_plain.SetRange(0, 100);
		m_plain.SetPos(42);
		return true;
	}
	CWnd& Subject() override { return m_cool; }
	CWnd& Baseline() override { return m_plain; }

private:
	CCoolProgress m_cool;
	CProgressCtrl m_plain;
};

BENCH_CASE(ComboPaintCase, "edits/combo box paint 200x24");
BENCH_CASE(LabelPaintCase, "edits/label paint 200x24");
BENCH_CASE(ProgressPaintCase, "edits/progress bar paint 200x24");

} // namespace
