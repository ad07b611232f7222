// bench_buttons.cpp: one full paint of a CCoolButton against one paint of a standard push button of the same size.
#include <afxwin.h>

#include "bench.h"
#include "buttons/VeluButtons.h"

namespace
{

const CRect kButtonRect(10, 10, 110, 34);

// Both buttons sit in one MFC parent, so the owner-draw request is reflected
// to CCoolButton::DrawItem exactly as in an application's dialog.
class PushButtonPaintCase : public bench::Case
{
public:
	bool SetUp() override
	{
		LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
		if (!m_parent.CreateEx(0, cls, _T("bench"), WS_POPUP | WS_VISIBLE, 0, 0, 240, 50, NULL, NULL))
			return false;
		const DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
		CRect rcPlain(kButtonRect);
		rcPlain.OffsetRect(kButtonRect.Width() + 10, 0);
		if (!m_cool.Create(_T("Continue"), style, kButtonRect, &m_parent, 1) ||
			!m_plain.Create(_T("Continue"), style, rcPlain, &m_parent, 2))
			return false;
		HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
		m_cool.SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
		m_plain.SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
		return true;
	}

	void TearDown() override
	{
		if (m_cool.m_hWnd != NULL)
			m_cool.DestroyWindow();
		if (m_plain.m_hWnd != NULL)
			m_plain.DestroyWindow();
		if (m_parent.m_hWnd != NULL)
			m_parent.DestroyWindow();
	}

	void RunSubject() override { Paint(m_cool); }
	void RunBaseline() override { Paint(m_plain); }
	const char* BaselineName() const override { return "standard BUTTON paint"; }
	const char* Note() const override { return "100 x 24 push button, invalidated and painted at once"; }

private:
	static void Paint(CWnd& button)
	{
		::RedrawWindow(button.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
	}

	CWnd m_parent;
	CCoolButton m_cool;
	CButton m_plain;
};

BENCH_CASE(PushButtonPaintCase, "buttons/push button paint 100x24");

} // namespace
