// bench_edits.cpp: the flat edit's repaint against a standard edit and against the floor of
// the standard edit's paint followed by the flat frame's prescribed calls.
#include <afxwin.h>

#include "bench.h"
#include "bench_support.h"
#include "edits/VeluEdits.h"

namespace
{

const CRect kRect(10, 10, 210, 34);
const char kText[] = "Some typed text";
const DWORD kStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;

// The frame after the edit's own paint: window rectangle in client
// coordinates, the DC, class brush and pen, four bands, the outline, the
// hint's tests (the box holds text, so no hint), pen and DC let go.
void FlatFrameFloor(HWND hWnd)
{
	RECT r;
	::GetWindowRect(hWnd, &r);
	::ScreenToClient(hWnd, (POINT*)&r.left);
	::ScreenToClient(hWnd, (POINT*)&r.right);
	const HDC hDC = ::GetDC(hWnd);
	const HBRUSH hBrush = (HBRUSH)::GetClassLongPtrA(hWnd, GCLP_HBRBACKGROUND);
	const HPEN hPen = ::CreatePen(PS_SOLID, 0, kEditEdgeColor);
	const RECT bands[4] = {{r.left, r.top, r.left + kEditBandWidth, r.bottom},
		{r.right - kEditBandWidth, r.top, r.right, r.bottom}, {r.left, r.top, r.right, r.top + kEditBandWidth},
		{r.left, r.bottom - kEditBandWidth, r.right, r.bottom}};
	for (const RECT& band : bands)
		::FillRect(hDC, &band, hBrush);
	HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
	::MoveToEx(hDC, r.left, r.top, NULL);
	::LineTo(hDC, r.right - 1, r.top);
	::LineTo(hDC, r.right - 1, r.bottom - 1);
	::LineTo(hDC, r.left, r.bottom - 1);
	::LineTo(hDC, r.left, r.top);
	::SelectObject(hDC, hOldPen);
	char probe[2];
	if (::GetFocus() != hWnd)
		::GetWindowTextA(hWnd, probe, sizeof(probe));
	::DeleteObject(hPen);
	::ReleaseDC(hWnd, hDC);
}

class FlatEditPaintCase : public bench::Case
{
public:
	bool SetUp() override
	{
		m_paint = [](HWND hWnd, WNDPROC pfnEdit) {
			::CallWindowProc(pfnEdit, hWnd, WM_PAINT, 0, 0);
			FlatFrameFloor(hWnd);
		};
		HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
		if (!m_parent.Open(700, 50) || !m_subject.Create(kStyle, kRect, &m_parent, 1) ||
			!m_plain.Create(kStyle, kRect + CPoint(220, 0), &m_parent, 2) ||
			!m_floor.Create(kStyle, kRect + CPoint(440, 0), &m_parent, 3))
			return false;
		bench::SubclassRaw(m_floor.m_hWnd, &m_paint);
		m_subject.SetTipText("Type a name", RGB(128, 128, 128), 0);
		for (CEdit* p : {(CEdit*)&m_subject, &m_plain, &m_floor})
		{
			p->SendMessage(WM_SETFONT, (WPARAM)hFont, FALSE);
			p->SetWindowText(kText);
		}
		return true;
	}
	void TearDown() override { m_parent.Close(); }
	void RunSubject() override { bench::Repaint(m_subject.m_hWnd); }
	void RunBaseline() override { bench::Repaint(m_plain.m_hWnd); }
	bool HasFloor() const override { return true; }
	void RunFloor() override { bench::Repaint(m_floor.m_hWnd); }
	const char* BaselineName() const override { return "standard EDIT paint"; }
	const char* Note() const override { return "200 x 24 holding text; the floor is the EDIT's paint plus the frame's calls"; }
	int GdiObjectsPerInstance() override
	{
		return bench::GdiObjectsPerInstance([this] {
			CCoolEdit* p = new CCoolEdit;
			p->Create(kStyle, kRect, &m_parent, 4);
			p->SetTipText("Type a name", RGB(128, 128, 128), 0);
			bench::Repaint(p->m_hWnd);
			return [p] { delete p; };
		});
	}

private:
	bench::ParentWnd m_parent;
	CCoolEdit m_subject;
	CEdit m_plain;
	CEdit m_floor;
	bench::RawPaint m_paint;
};

} // namespace

BENCH_CASE(FlatEditPaintCase, "edits/flat edit paint 200x24");
