// bench_buttons.cpp: push button, help button and check box repaints against the standard
// control each restyles and against the floor of the calls its paint is prescribed to make.
#include <afxwin.h>

#include "bench.h"
#include "bench_support.h"
#include "buttons/VeluButtons.h"
#include "skin/VeluSkin.h"

namespace
{

const CRect kRect(10, 10, 110, 34);
const char kCaption[] = "Continue";
const DWORD kChild = WS_CHILD | WS_VISIBLE;

// The caption part of a button's DrawItem, raw: clip, font, measure, centre, draw.
void ButtonContentFloor(DRAWITEMSTRUCT* pDis, COLORREF crText, bool bSetColour)
{
	const HDC hDC = pDis->hDC;
	RECT rc = pDis->rcItem;
	::InflateRect(&rc, -kButtonClipInsetX, -kButtonClipInsetY);
	::IntersectClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
	HGDIOBJ hFont = (HGDIOBJ)::SendMessage(pDis->hwndItem, WM_GETFONT, 0, 0);
	HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
	const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
	char szText[256];
	const int n = ::GetWindowTextA(pDis->hwndItem, szText, sizeof(szText));
	RECT rcText = rc;
	::DrawTextA(hDC, szText, n, &rcText, DT_CALCRECT | DT_SINGLELINE);
	const int dx = ((rc.right - rc.left) - (rcText.right - rcText.left)) / 2;
	const int dy = ((rc.bottom - rc.top) - (rcText.bottom - rcText.top)) / 2;
	const COLORREF crOld = bSetColour ? ::SetTextColor(hDC, crText) : ::GetTextColor(hDC);
	::DrawStateA(hDC, NULL, NULL, (LPARAM)szText, n, rc.left + dx, rc.top + dy,
		(rc.right - rc.left) - 2 * dx, (rc.bottom - rc.top) - 2 * dy, DST_PREFIXTEXT);
	::SetTextColor(hDC, crOld);
	::SetBkMode(hDC, nOldMode);
	::SelectObject(hDC, hOldFont);
}

// A subject button, a standard push button and an owner-drawn floor button
// side by side in one MFC parent.
template <class Subject>
class ButtonPaintCase : public bench::Case
{
public:
	bool SetUp() override
	{
		HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
		m_parent.rawDrawItem = [this](DRAWITEMSTRUCT* pDis) { Floor(pDis); };
		if (!m_parent.Open(400, 50) || !m_subject.Create(kCaption, kChild | BS_PUSHBUTTON, kRect, &m_parent, 1) ||
			!m_plain.Create(kCaption, kChild | BS_PUSHBUTTON, kRect + CPoint(120, 0), &m_parent, 2) ||
			!m_floor.Create(kCaption, kChild | BS_OWNERDRAW, kRect + CPoint(240, 0), &m_parent, bench::ParentWnd::kFloorId))
			return false;
		for (CWnd* p : {(CWnd*)&m_subject, (CWnd*)&m_plain, (CWnd*)&m_floor})
			p->SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
		return true;
	}
	void TearDown() override { m_parent.Close(); }
	void RunSubject() override { bench::Repaint(m_subject.m_hWnd); }
	void RunBaseline() override { bench::Repaint(m_plain.m_hWnd); }
	bool HasFloor() const override { return true; }
	void RunFloor() override { bench::Repaint(m_floor.m_hWnd); }
	const char* BaselineName() const override { return "standard BUTTON paint"; }
	int GdiObjectsPerInstance() override
	{
		return bench::GdiObjectsPerInstance([this] {
			Subject* p = new Subject;
			p->Create(kCaption, kChild, kRect, &m_parent, 3);
			bench::Repaint(p->m_hWnd);
			return [p] { delete p; };
		});
	}

protected:
	virtual void Floor(DRAWITEMSTRUCT* pDis) = 0;

	bench::ParentWnd m_parent;
	Subject m_subject;
	CButton m_plain;
	CButton m_floor;
};

// The skin through the nine-grid painter, then the caption in the DC's colour.
class PushButtonPaintCase : public ButtonPaintCase<CCoolButton>
{
	void Floor(DRAWITEMSTRUCT* pDis) override
	{
		bench::NineGridFloor(pDis->hDC, pDis->rcItem, g_hSkinBtnNormal, g_nStdCornerInsets, kStdCornerSize);
		ButtonContentFloor(pDis, 0, false);
	}
	const char* Note() const override { return "100 x 24 with caption, invalidated and painted at once"; }
};

// No skin: the caption alone, in the link colour.
class HelpButtonPaintCase : public ButtonPaintCase<CCoolHelpButton>
{
	void Floor(DRAWITEMSTRUCT* pDis) override { ButtonContentFloor(pDis, kHelpLinkColor, true); }
};

// The check box's paint is its own (a self-drawn "edit" window): the floor is
// the same kind of window, subclassed raw, making the prescribed calls.
class CheckBoxPaintCase : public bench::Case
{
public:
	bool SetUp() override
	{
		m_paint = [](HWND hWnd, WNDPROC) { Floor(hWnd); };
		if (!m_parent.Open(400, 50) || !m_subject.Create(kCaption, kChild, kRect, &m_parent, 1) ||
			!m_plain.Create(kCaption, kChild | BS_CHECKBOX, kRect + CPoint(120, 0), &m_parent, 2))
			return false;
		m_hFloor = ::CreateWindowExA(0, "edit", kCaption, kChild, kRect.left + 240, kRect.top, kRect.Width(),
			kRect.Height(), m_parent.m_hWnd, (HMENU)3, NULL, NULL);
		if (m_hFloor == NULL)
			return false;
		bench::SubclassRaw(m_hFloor, &m_paint);
		m_subject.SetCheck(1, FALSE, FALSE);
		m_plain.SetCheck(BST_CHECKED);
		m_plain.SendMessage(WM_SETFONT, (WPARAM)g_fontShared10.GetSafeHandle(), FALSE);
		return true;
	}
	void TearDown() override { m_parent.Close(); }
	void RunSubject() override { bench::Repaint(m_subject.m_hWnd); }
	void RunBaseline() override { bench::Repaint(m_plain.m_hWnd); }
	bool HasFloor() const override { return true; }
	void RunFloor() override { bench::Repaint(m_hFloor); }
	const char* BaselineName() const override { return "standard check box paint"; }
	int GdiObjectsPerInstance() override
	{
		return bench::GdiObjectsPerInstance([this] {
			CCoolCheckBox* p = new CCoolCheckBox;
			p->Create(kCaption, kChild, kRect, &m_parent, 4);
			bench::Repaint(p->m_hWnd);
			return [p] { delete p; };
		});
	}

private:
	// Paint DC, state, shared font, caption (measure, colour, draw), box and
	// check mark with one pen, font and mode back, focus query.
	static void Floor(HWND hWnd)
	{
		PAINTSTRUCT ps;
		const HDC hDC = ::BeginPaint(hWnd, &ps);
		RECT rc;
		::GetWindowRect(hWnd, &rc);
		::ScreenToClient(hWnd, (POINT*)&rc.left);
		::ScreenToClient(hWnd, (POINT*)&rc.right);
		::IsWindowEnabled(hWnd);   // the state; no hot spot has the focus, so that is all it asks
		HGDIOBJ hOldFont = ::SelectObject(hDC, g_fontShared10.GetSafeHandle());
		const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
		char szText[256];
		const int n = ::GetWindowTextA(hWnd, szText, sizeof(szText));
		RECT rcText = rc;
		::DrawTextA(hDC, szText, n, &rcText, DT_CALCRECT | DT_SINGLELINE);
		const int dy = ((rc.bottom - rc.top) - (rcText.bottom - rcText.top)) / 2;
		const COLORREF crOld = ::GetTextColor(hDC);
		::DrawStateA(hDC, NULL, NULL, (LPARAM)szText, n, rc.left + kCheckCaptionLeft, rc.top + dy + 1,
			rc.right - kCheckCaptionRight - rc.left - kCheckCaptionLeft, rc.bottom - rc.top - 2 * dy, DST_PREFIXTEXT);
		::SetTextColor(hDC, crOld);
		HPEN hPen = ::CreatePen(PS_SOLID, 1, kCheckOutline);
		HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
		const int x0 = rc.left, x1 = rc.left + kCheckBoxSize;
		const int y0 = rc.top + ((rc.bottom - rc.top) - kCheckBoxSize) / 2, y1 = rc.bottom - (y0 - rc.top);
		::MoveToEx(hDC, x0, y0, NULL);
		::LineTo(hDC, x1, y0);
		::LineTo(hDC, x1, y1);
		::LineTo(hDC, x0, y1);
		::LineTo(hDC, x0, y0);
		static const POINT kStrokes[3][3] = {{{2, 5}, {5, 8}, {11, 2}}, {{3, 5}, {5, 7}, {10, 2}}, {{2, 6}, {5, 9}, {11, 3}}};
		for (const auto& stroke : kStrokes)
		{
			::MoveToEx(hDC, x0 + stroke[0].x, y0 + stroke[0].y, NULL);
			::LineTo(hDC, x0 + stroke[1].x, y0 + stroke[1].y);
			::LineTo(hDC, x0 + stroke[2].x, y0 + stroke[2].y);
		}
		::SelectObject(hDC, hOldPen);
		::DeleteObject(hPen);
		::SetBkMode(hDC, nOldMode);
		::SelectObject(hDC, hOldFont);
		::GetFocus();
		::EndPaint(hWnd, &ps);
	}

	bench::ParentWnd m_parent;
	CCoolCheckBox m_subject;
	CButton m_plain;
	HWND m_hFloor = NULL;
	bench::RawPaint m_paint;
};

} // namespace

BENCH_CASE(PushButtonPaintCase, "buttons/push button paint 100x24");
BENCH_CASE(HelpButtonPaintCase, "buttons/help button paint 100x24");
BENCH_CASE(CheckBoxPaintCase, "buttons/check box paint 100x24");
